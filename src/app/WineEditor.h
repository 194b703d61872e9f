#pragma once
#include <functional>
#include <memory>

class BottleIdentifier;
class MainWindowController;
class Wine;

// What the application controller asks of a wine editor window (the full one or
// the simple one). The editor library implements it and installs a factory.
class WineEditor {
public:
    virtual ~WineEditor() = default;
    // True for the full editor, false for the simple one.
    virtual bool isExpert() const = 0;
    virtual void showWindow() = 0;
    virtual void closeWindow() = 0;
    virtual void setMainWindowController(MainWindowController* controller) = 0;
    virtual void setWine(const std::shared_ptr<Wine>& wine) = 0;
    virtual void previousArrow(bool enabled) = 0;
    virtual void nextArrow(bool enabled) = 0;
    virtual void usedWineBottle(const std::shared_ptr<BottleIdentifier>& tag) = 0;
    virtual void recycleBottle(const std::shared_ptr<BottleIdentifier>& tag) = 0;
    virtual void newWine() = 0;
    // Lets the user save an open wine before quitting.
    virtual void shouldSave() = 0;
    virtual void buildWineMenus() = 0;
};

// Makes the full editor (expert) or the simple one.
using WineEditorFactory = std::function<std::unique_ptr<WineEditor>(bool expert)>;
