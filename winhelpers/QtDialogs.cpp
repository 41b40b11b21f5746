#include "winhelpers/QtDialogs.h"

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
    QMessageBox box(iconFor(notice.icon), notice.title, notice.text, QMessageBox::Ok, parent);
    box.exec();
}

QString QtDialogs::inputBox(QWidget *parent, const QString &prompt, const QString &title,
                            const QString &defaultText)
{
    bool accepted = false;
    const QString text =
        QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, defaultText, &accepted);
    return accepted ? text : QString();
}

std::optional<ColorValue> QtDialogs::chooseColor(QWidget *parent, ColorValue initial)
{
    const Rgb start = SplitColor(initial);
    // Qt's own chooser, unlike some platforms' ones, can pick a colour off the screen.
    const QColor chosen = QColorDialog::getColor(QColor(start.red, start.green, start.blue), parent,
                                                 QString(), QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid())
        return std::nullopt;
    return RGB(chosen.red(), chosen.green(), chosen.blue());
}

QString QtDialogs::chooseOpenFile(QWidget *parent, const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}
