// Qt message boxes, input box, file dialog, date picker and help window.
#include "gui/qt_dialogs.h"

#include "gui/date_picker_dialog.h"
#include "gui/help_viewer.h"
#include "gui/qt_text.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

namespace tallyman::gui {

namespace {

// Dialogs sit over whatever window the person is working in.
QWidget* owner()
{
    if (auto* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

QMessageBox::Icon qtIcon(ui::MessageIcon icon)
{
    switch (icon) {
    case ui::MessageIcon::Warning:
        return QMessageBox::Warning;
    case ui::MessageIcon::Information:
        return QMessageBox::Information;
    case ui::MessageIcon::Question:
        return QMessageBox::Question;
    case ui::MessageIcon::Critical:
        return QMessageBox::Critical;
    case ui::MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QDate qtDate(const ui::Date& date) { return QDate(date.year, date.month, date.day); }

ui::Date modelDate(QDate date) { return { date.year(), date.month(), date.day() }; }

} // namespace

QString qtFileFilter(const std::string& filter)
{
    const QStringList parts = qt(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // The description may already show its patterns in brackets; Qt reads the patterns
        // from the brackets, so they are rewritten from the pattern part.
        QString description = parts[i].trimmed();
        description.remove(QRegularExpression(QStringLiteral("\\s*\\([^()]*\\)\\s*$")));
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (auto& pattern : patterns)
            pattern = pattern.trimmed();
        filters << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

QtDialogs::QtDialogs(std::filesystem::path dataFolder, std::vector<std::filesystem::path> help)
    : m_dataFolder(std::move(dataFolder))
    , m_helpFolders(std::move(help))
{ }

QtDialogs::~QtDialogs() { delete m_help.data(); }

ui::MessageAnswer QtDialogs::message(const ui::Message& message)
{
    QStringList lines;
    for (const auto& line : message.lines)
        lines << qt(line);
    const bool question = message.buttons == ui::MessageButtons::YesNo;
    QMessageBox box(qtIcon(message.icon), qt(message.title), lines.join(QLatin1Char('\n')),
        question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner());
    box.setTextFormat(Qt::PlainText);
    if (question) {
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    }
    const int answer = box.exec();
    if (!question)
        return ui::MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? ui::MessageAnswer::Yes : ui::MessageAnswer::No;
}

std::string QtDialogs::inputBox(
    const std::string& prompt, const std::string& title, const std::string& defaultText)
{
    bool ok = false;
    const QString text
        = QInputDialog::getText(owner(), qt(title), qt(prompt), QLineEdit::Normal, qt(defaultText), &ok);
    return ok ? str(text) : std::string();
}

std::optional<std::string> QtDialogs::openFile(const std::string& title, const std::string& filter)
{
    QFileDialog dialog(
        owner(), qt(title), QString::fromStdString(m_dataFolder.string()), qtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // The default user's files have nothing before the point (".use"): listed, not hidden.
    dialog.setFilter(dialog.filter() | QDir::Hidden);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    if (path.isEmpty())
        return std::nullopt;
    // Callers look for the name in the data folder, wherever it was picked.
    return str(QFileInfo(path).fileName());
}

bool QtDialogs::openWithDesktop(const std::string& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(qt(path)));
}

std::optional<std::string> QtDialogs::saveFileAs(
    const std::string& title, const std::string& suggestedName, const std::string& filter)
{
    const QString start = QDir::home().filePath(qt(suggestedName));
    const QString path = QFileDialog::getSaveFileName(owner(), qt(title), start, qtFileFilter(filter));
    if (path.isEmpty())
        return std::nullopt;
    return str(path);
}

std::optional<ui::Date> QtDialogs::pickDate(const ui::Date& initial) { return pickDateLive(initial, {}); }

std::optional<ui::Date> QtDialogs::pickDateLive(
    const ui::Date& initial, const std::function<void(const ui::Date&)>& onPicked)
{
    DatePickerDialog picker(qtDate(initial), owner());
    if (onPicked)
        QObject::connect(
            &picker, &DatePickerDialog::picked, [&onPicked](QDate date) { onPicked(modelDate(date)); });
    if (picker.exec() != QDialog::Accepted)
        return std::nullopt;
    return modelDate(picker.date());
}

void QtDialogs::showHelp(const std::string& topic)
{
    // One help window for the whole run, owned by no other window.
    if (!m_help)
        m_help = new HelpViewer(m_helpFolders);
    m_help->showTopic(topic);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

} // namespace tallyman::gui
