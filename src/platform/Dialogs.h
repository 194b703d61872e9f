#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

class QWidget;

// Every alert, question, chooser and file panel goes through this interface, so
// that the application shows real dialogs and tests answer them from a script.
class Dialogs {
public:
    enum class Level { Informational, Warning, Critical };

    virtual ~Dialogs() = default;

    // Shows an alert; answers the index of the button pressed (0 is the first,
    // the default button). With no buttons given there is one: "OK".
    virtual int alert(Level level, const QString& title, const QString& text,
                      const QStringList& buttons = {}) = 0;
    // Asks for a line of text; nullopt when the user cancels.
    virtual std::optional<QString> askText(const QString& title, const QString& label,
                                           const QString& initial = {}) = 0;
    // Lets the user pick one of the items; nullopt when cancelled.
    virtual std::optional<int> chooseItem(const QString& title, const QString& label,
                                          const QStringList& items) = 0;
    // File panels: the chosen path, empty when cancelled. Filters as in Qt ("Text (*.txt)").
    virtual QString openFile(const QString& title, const QString& directory,
                             const QStringList& filters = {}) = 0;
    virtual QString saveFile(const QString& title, const QString& directory,
                             const QString& proposedName, const QStringList& filters = {}) = 0;
    virtual QString chooseDirectory(const QString& title, const QString& directory) = 0;

    // The sheet of a failed top-level action: "Error!" / "Error: <reason> in: <operation>".
    void showError(const QString& reason, const QString& operation);

    // The one instance the application uses; never null.
    static Dialogs& instance();
    // Installs another implementation (not owned); null restores the default.
    static void setInstance(Dialogs* dialogs);
};

// The real dialogs, on Qt's widgets.
class QtDialogs : public Dialogs {
public:
    void setParent(QWidget* parent) { m_parent = parent; }
    int alert(Level level, const QString& title, const QString& text,
              const QStringList& buttons = {}) override;
    std::optional<QString> askText(const QString& title, const QString& label,
                                   const QString& initial = {}) override;
    std::optional<int> chooseItem(const QString& title, const QString& label,
                                  const QStringList& items) override;
    QString openFile(const QString& title, const QString& directory,
                     const QStringList& filters = {}) override;
    QString saveFile(const QString& title, const QString& directory, const QString& proposedName,
                     const QStringList& filters = {}) override;
    QString chooseDirectory(const QString& title, const QString& directory) override;

private:
    QWidget* m_parent = nullptr;
};

// Answers from a queue and records every question: for tests and for headless runs.
// An empty queue answers the default: the first button, cancel for everything else.
class ScriptedDialogs : public Dialogs {
public:
    struct Asked {
        QString kind; // "alert", "askText", "chooseItem", "openFile", "saveFile", "chooseDirectory"
        Level level = Level::Informational;
        QString title;
        QString text;
        QStringList options; // buttons or items or filters
    };

    // Queue an answer: an int (button or item index), a QString (text or path),
    // or an invalid QVariant for "cancel".
    void push(const QVariant& answer) { m_answers.append(answer); }
    const QList<Asked>& asked() const { return m_asked; }
    int pending() const { return int(m_answers.size()); }
    void clear()
    {
        m_asked.clear();
        m_answers.clear();
    }

    int alert(Level level, const QString& title, const QString& text,
              const QStringList& buttons = {}) override;
    std::optional<QString> askText(const QString& title, const QString& label,
                                   const QString& initial = {}) override;
    std::optional<int> chooseItem(const QString& title, const QString& label,
                                  const QStringList& items) override;
    QString openFile(const QString& title, const QString& directory,
                     const QStringList& filters = {}) override;
    QString saveFile(const QString& title, const QString& directory, const QString& proposedName,
                     const QStringList& filters = {}) override;
    QString chooseDirectory(const QString& title, const QString& directory) override;

private:
    QVariant next();
    QList<QVariant> m_answers;
    QList<Asked> m_asked;
};

// Installs a ScriptedDialogs for the lifetime of a scope.
class ScopedScriptedDialogs : public ScriptedDialogs {
public:
    ScopedScriptedDialogs() { Dialogs::setInstance(this); }
    ~ScopedScriptedDialogs() override { Dialogs::setInstance(nullptr); }
};
