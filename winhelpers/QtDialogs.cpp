#include "winhelpers/QtDialogs.h"

#include "winhelpers/DialogRun.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon iconFor(NoticeIcon icon)
{
    return icon == NoticeIcon::Question ? QMessageBox::Question : QMessageBox::Critical;
}

} // namespace

void QtDialogs::messageBox(QWidget *parent, const Notice &notice)
{
    RunDialog(
        new QMessageBox(iconFor(notice.icon), notice.title, notice.text, QMessageBox::Ok, parent));
}

QString QtDialogs::inputBox(QWidget *parent, const QString &prompt, const QString &title,
                            const QString &defaultText)
{
    auto *dialog = new QInputDialog(parent);
    dialog->setWindowTitle(title);
    dialog->setLabelText(prompt);
    dialog->setTextValue(defaultText);
    return RunDialog(dialog, [](const QInputDialog &answered) { return answered.textValue(); })
        .value_or(QString());
}

QString QtDialogs::passwordBox(QWidget *parent, const QString &prompt, const QString &title)
{
    auto *dialog = new QInputDialog(parent);
    dialog->setWindowTitle(title);
    dialog->setLabelText(prompt);
    dialog->setTextEchoMode(QLineEdit::Password);
    return RunDialog(dialog, [](const QInputDialog &answered) { return answered.textValue(); })
        .value_or(QString());
}

bool QtDialogs::form(QDialog &dialog)
{
    return RunDialog(dialog);
}

std::optional<ColorValue> QtDialogs::chooseColor(QWidget *parent, ColorValue initial)
{
    const Rgb start = SplitColor(initial);
    auto *dialog = new QColorDialog(QColor(start.red, start.green, start.blue), parent);
    // Qt's own chooser, unlike some platforms' ones, can pick a colour off the screen.
    dialog->setOption(QColorDialog::DontUseNativeDialog);
    return RunDialog(dialog, [](const QColorDialog &answered) {
        const QColor chosen = answered.selectedColor();
        return RGB(chosen.red(), chosen.green(), chosen.blue());
    });
}

QString QtDialogs::chooseOpenFile(QWidget *parent, const QString &title, const QString &folder,
                                  const QString &filter)
{
    auto *dialog = new QFileDialog(parent, title, folder, filter);
    dialog->setFileMode(QFileDialog::ExistingFile);
    return RunDialog(dialog,
                     [](const QFileDialog &answered) { return answered.selectedFiles().value(0); })
        .value_or(QString());
}

QString QtDialogs::chooseSaveFile(QWidget *parent, const QString &title, const QString &folder,
                                  const QString &filter)
{
    auto *dialog = new QFileDialog(parent, title, folder, filter);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    return RunDialog(dialog,
                     [](const QFileDialog &answered) { return answered.selectedFiles().value(0); })
        .value_or(QString());
}
