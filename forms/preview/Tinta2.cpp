#include "forms/preview/Tinta2.h"

#include "forms/preview/BackgroundLines.h"
#include "forms/preview/PreviewBrowser.h"
#include "forms/preview/PreviewNotices.h"
#include "winhelpers/Dialogs.h"
#include "winhelpers/Twips.h"
#include "winhelpers/WindowLoad.h"
#include "winhelpers/WindowMotion.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>

#include <algorithm>
#include <array>

namespace {

constexpr double InnerWidth = 5175;
constexpr double InnerHeight = 3735;
constexpr double ButtonTop = 3240;
constexpr double ButtonWidth = 1575;
constexpr double ButtonHeight = 375;

// Where pictures are looked for first: the user's Pictures folder, or home where there is none.
QString picturesFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

} // namespace

Tinta2::Tinta2(Dialogs &dialogs, PreviewFile file, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_dialogs(dialogs)
    , m_file(std::move(file))
{
    setObjectName(QStringLiteral("Tinta2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Your HTML Color Faded Message..."));
    setFixedSize(twipsToPixels(0, 0, InnerWidth, InnerHeight).size());
    m_buttons = {
        makeButton(QStringLiteral("Command1"), QStringLiteral("Back Color"), 120,
                   QStringLiteral("Choose a colour for the page's background")),
        makeButton(QStringLiteral("Command2"), QStringLiteral("Back Picture"), 1800,
                   QStringLiteral("Choose a picture for the page's background")),
        makeButton(QStringLiteral("Command3"), QStringLiteral("Clear Background"), 3480,
                   QStringLiteral("Make the page's background white again")),
    };
    connect(m_buttons[0], &QPushButton::clicked, this, &Tinta2::Command1_Click);
    connect(m_buttons[1], &QPushButton::clicked, this, &Tinta2::Command2_Click);
    connect(m_buttons[2], &QPushButton::clicked, this, &Tinta2::Command3_Click);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
}

Tinta2::~Tinta2()
{
    // A window discarded without being closed, as when the program ends, leaves no page behind.
    if (m_open)
        m_file.remove();
}

QPushButton *Tinta2::makeButton(const QString &name, const QString &caption, double leftTwips,
                                const QString &toolTip)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setToolTip(toolTip);
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(8.25);
    button->setFont(font);
    button->setGeometry(twipsToPixels(leftTwips, ButtonTop, ButtonWidth, ButtonHeight));
    return button;
}

QRect Tinta2::twipsToPixels(double left, double top, double width, double height) const
{
    return TwipsToPixels(QRectF(left, top, width, height), LogicalDpi(*this));
}

void Tinta2::Form_Load(bool stayOnTop)
{
    createBrowser();
    ShowLoadedWindow(*this, RGB(0, 190, 180), Arrival::SlideIn);
    m_open = true;
    StayOnTop(*this, stayOnTop);
    Navigate();
}

QWebEngineView *Tinta2::browser() const
{
    return m_browser;
}

void Tinta2::bringForward(bool stayOnTop)
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    StayOnTop(*this, stayOnTop);
    raise();
    activateWindow();
}

void Tinta2::createBrowser()
{
    m_browser = new PreviewBrowser(m_file.url(), this);
    m_browser->setObjectName(QStringLiteral("WebBrowser1"));
    m_browser->setAccessibleName(QStringLiteral("Fade preview"));
    m_browser->setGeometry(twipsToPixels(120, 120, 4935, 3015));
}

void Tinta2::Command1_Click()
{
    if (const std::optional<ColorValue> color = m_dialogs.chooseColor(this, 0))
        changeBackground(ColorOpeningLine(*color));
}

void Tinta2::Command2_Click()
{
    const QString fileName = m_dialogs.chooseOpenFile(
        this, QStringLiteral("Open"), picturesFolder(),
        QStringLiteral("Picture Files (*.png *.jpg *.jpeg *.gif *.webp *.bmp *.svg)"));
    if (fileName.isEmpty())
        return;
    m_browser->allowPicture(fileName);
    changeBackground(PictureOpeningLine(fileName));
}

void Tinta2::Command3_Click()
{
    changeBackground(WhiteOpeningLine());
}

void Tinta2::changeBackground(const QString &line1)
{
    QString error;
    switch (m_file.replaceOpeningLine(line1, &error)) {
    case PreviewFile::Replaced::Yes:
        Navigate();
        break;
    case PreviewFile::Replaced::NothingToReplace:
        break;
    case PreviewFile::Replaced::WriteFailed:
        m_dialogs.messageBox(this, PreviewNotWrittenNotice(m_file.path(), error));
        break;
    }
}

void Tinta2::Navigate()
{
    m_browser->showPage();
}

// Tab goes round the three buttons only; from the page, which a click gives the focus, Tab comes
// to the first button and Shift+Tab to the last.
bool Tinta2::focusNextPrevChild(bool next)
{
    const int count = int(m_buttons.size());
    const auto current = std::ranges::find(m_buttons, focusWidget());
    const int from = current != m_buttons.end() ? int(current - m_buttons.begin())
        : next                                  ? -1
                                                : count;
    const int to = (from + (next ? 1 : -1) + count) % count;
    m_buttons[std::size_t(to)]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void Tinta2::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void Tinta2::Form_Unload()
{
    m_file.remove();
    m_open = false;
    RestoreAndSlideOut(*this);
}
