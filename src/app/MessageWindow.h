#pragma once
#include <QString>
#include <QWidget>

class QLabel;

// The transient message window: shows a text for 3 seconds and closes by itself.
// It lives on the main thread like every widget; a timer, not a thread, closes it.
class MessageWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int ShowMilliseconds = 3000;
    explicit MessageWindow(QWidget* parent = nullptr);
    void start(const QString& text);
    QString text() const;

private:
    QLabel* m_label;
    class QTimer* m_timer;
};
