#include "app/MessageWindow.h"
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

MessageWindow::MessageWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_label(new QLabel(this))
    , m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("messageWindow"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);
    layout->addWidget(m_label);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &QWidget::close);
}

void MessageWindow::start(const QString& text)
{
    m_label->setText(text);
    adjustSize();
    show();
    raise();
    m_timer->start(ShowMilliseconds);
}

QString MessageWindow::text() const
{
    return m_label->text();
}
