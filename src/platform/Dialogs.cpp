#include "platform/Dialogs.h"
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {
Dialogs* g_installed = nullptr;
}

Dialogs& Dialogs::instance()
{
    if (g_installed)
        return *g_installed;
    static QtDialogs real;
    return real;
}

void Dialogs::setInstance(Dialogs* dialogs)
{
    g_installed = dialogs;
}

void Dialogs::showError(const QString& reason, const QString& operation)
{
    alert(Level::Critical, QStringLiteral("Error!"),
          QStringLiteral("Error: %1 in: %2").arg(reason, operation), {QStringLiteral("OK")});
}

// ---- QtDialogs

int QtDialogs::alert(Level level, const QString& title, const QString& text,
                     const QStringList& buttons)
{
    QMessageBox box(m_parent);
    box.setIcon(level == Level::Critical  ? QMessageBox::Critical
                : level == Level::Warning ? QMessageBox::Warning
                                          : QMessageBox::Information);
    box.setText(title);
    box.setInformativeText(text);
    const QStringList names = buttons.isEmpty() ? QStringList{QStringLiteral("OK")} : buttons;
    QList<QPushButton*> made;
    for (int i = 0; i < names.size(); ++i) {
        const auto role = i == 0 ? QMessageBox::AcceptRole
                                 : (i == 1 ? QMessageBox::RejectRole : QMessageBox::ActionRole);
        made.append(box.addButton(names.at(i), role));
    }
    box.setDefaultButton(made.first());
    box.exec();
    const int index = int(made.indexOf(qobject_cast<QPushButton*>(box.clickedButton())));
    return index < 0 ? int(names.size()) - 1 : index;
}

std::optional<QString> QtDialogs::askText(const QString& title, const QString& label,
                                          const QString& initial)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(m_parent, title, label, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<int> QtDialogs::chooseItem(const QString& title, const QString& label,
                                         const QStringList& items)
{
    bool ok = false;
    const QString chosen = QInputDialog::getItem(m_parent, title, label, items, 0, false, &ok);
    if (!ok)
        return std::nullopt;
    return int(items.indexOf(chosen));
}

QString QtDialogs::openFile(const QString& title, const QString& directory,
                            const QStringList& filters)
{
    return QFileDialog::getOpenFileName(m_parent, title, directory, filters.join(QStringLiteral(";;")));
}

QString QtDialogs::saveFile(const QString& title, const QString& directory,
                            const QString& proposedName, const QStringList& filters)
{
    const QString start = directory.isEmpty() ? proposedName : directory + QLatin1Char('/') + proposedName;
    return QFileDialog::getSaveFileName(m_parent, title, start, filters.join(QStringLiteral(";;")));
}

QString QtDialogs::chooseDirectory(const QString& title, const QString& directory)
{
    return QFileDialog::getExistingDirectory(m_parent, title, directory);
}

// ---- ScriptedDialogs

QVariant ScriptedDialogs::next()
{
    if (m_answers.isEmpty())
        return {};
    return m_answers.takeFirst();
}

int ScriptedDialogs::alert(Level level, const QString& title, const QString& text,
                           const QStringList& buttons)
{
    m_asked.append({QStringLiteral("alert"), level, title, text, buttons});
    const QVariant a = next();
    const int count = buttons.isEmpty() ? 1 : int(buttons.size());
    if (!a.isValid())
        return 0;
    return qBound(0, a.toInt(), count - 1);
}

std::optional<QString> ScriptedDialogs::askText(const QString& title, const QString& label,
                                                const QString& initial)
{
    m_asked.append({QStringLiteral("askText"), Level::Informational, title, label, {initial}});
    const QVariant a = next();
    if (!a.isValid())
        return std::nullopt;
    return a.toString();
}

std::optional<int> ScriptedDialogs::chooseItem(const QString& title, const QString& label,
                                               const QStringList& items)
{
    m_asked.append({QStringLiteral("chooseItem"), Level::Informational, title, label, items});
    const QVariant a = next();
    if (!a.isValid() || a.toInt() < 0 || a.toInt() >= items.size())
        return std::nullopt;
    return a.toInt();
}

QString ScriptedDialogs::openFile(const QString& title, const QString& directory,
                                  const QStringList& filters)
{
    m_asked.append({QStringLiteral("openFile"), Level::Informational, title, directory, filters});
    return next().toString();
}

QString ScriptedDialogs::saveFile(const QString& title, const QString& directory,
                                  const QString& proposedName, const QStringList& filters)
{
    m_asked.append({QStringLiteral("saveFile"), Level::Informational, title,
                    directory + QLatin1Char('/') + proposedName, filters});
    return next().toString();
}

QString ScriptedDialogs::chooseDirectory(const QString& title, const QString& directory)
{
    m_asked.append({QStringLiteral("chooseDirectory"), Level::Informational, title, directory, {}});
    return next().toString();
}
