#pragma once

#include "forms/preview/PreviewFile.h"

#include <QWidget>

#include <array>

class Dialogs;
class PreviewBrowser;
class QPushButton;
class QWebEngineView;

// The preview window: the preview file rendered by an embedded browser over a background the
// user picks, colour, picture or white. It works on the file alone. Escape closes it.
class Tinta2 : public QWidget
{
    Q_OBJECT

public:
    Tinta2(Dialogs &dialogs, PreviewFile file, QWidget *parent = nullptr);
    ~Tinta2() override;

    // Opens the window: paints it, slides it down from above the screen and loads the file.
    // The browser is created here, so nothing pays for it before the first preview.
    void Form_Load(bool stayOnTop);

    // A preview asked for while the window is open: the window comes forward and keeps the page
    // it shows until a background is picked.
    void bringForward(bool stayOnTop);

    // Open from its load until it is closed.
    bool isOpen() const { return m_open; }

    // None until the window is first loaded.
    QWebEngineView *browser() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

private:
    QPushButton *makeButton(const QString &name, const QString &caption, double leftTwips,
                            const QString &toolTip);
    QRect twipsToPixels(double left, double top, double width, double height) const;
    void Form_Unload();
    void createBrowser();
    void changeBackground(const QString &line1);
    void Navigate();

    Dialogs &m_dialogs;
    const PreviewFile m_file;
    bool m_open = false;
    PreviewBrowser *m_browser = nullptr;
    std::array<QPushButton *, 3> m_buttons {}; // Back Color, Back Picture, Clear Background
};
