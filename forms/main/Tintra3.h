#pragma once

#include "engine/FadeGenerator.h"
#include "forms/main/RichFadeCopy.h"
#include "presets/Preset.h"
#include "winhelpers/ControlLayout.h"

#include <QPointF>
#include <QPointer>
#include <QWidget>

#include <array>

class BudgetCountLabel;
class ChoiceList;
class FaderPanel;
class OutputFormatMenu;
class PictureBox;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class StopsEditor;
class QPushButton;
class TintaAOL;
struct Services;

// The main fader window: the message and output boxes, the nine colour bars, the fade list,
// the font lists, the options menu and the commands. Constructing it loads it: it paints its
// background, records its layout and shows itself just above the screen, waiting to slide in.
class Tintra3 : public QWidget
{
    Q_OBJECT

public:
    explicit Tintra3(Services &services, QWidget *parent = nullptr);

    // The font lists, which start-up fills and the chat window reads.
    QComboBox &fontNameList() const;
    QComboBox &fontSizeList() const;

signals:
    // The farewell has run; nothing of the program should run after this.
    void programEnded();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void StayT_Click(bool checked);
    void TakeColors_Click();
    void Combo3_Chosen(int index);
    void Picture1_DblClick();
    void HScroll_Change(int which);
    void Combo3_Click();
    void Picture1_Click();
    void Picture1_Resize();
    void Picture1_MouseDown(QPointF twips);
    void Picture1_MouseMove(QPointF twips, Qt::MouseButtons buttons);

private:
    // Where PASTE inserts: into the box last clicked, the output box until the message box is.
    enum class PasteTarget { OutputBox, MessageBox };

    void createTextBoxes();
    void createCommands();
    void createColorPickers();
    void createLists();
    void connectChart();
    void createOptionsMenu();
    void createFormatMenu();
    Preset currentPreset() const;
    void applyPreset(const Preset &preset);
    void orderTabStops();
    void showProgress();
    QList<ControlText> captions() const;
    void Form_Load();
    void Form_Resize();
    void Form_Unload();

    bool forwardTyping(QObject *control);
    void followClick(QObject *control);
    QPlainTextEdit &selectionSource() const;
    bool outputHoldsHtml() const;
    bool copySelection(const QPlainTextEdit &box) const;

    Services &m_services;
    PasteTarget m_pasteTo = PasteTarget::OutputBox;
    QPointF m_dragAnchor; // where the chart was last pressed, in its own twips
    bool m_unloading = false;
    QPointer<TintaAOL> m_chatWindow;
    OutputFormat m_outputFormat = OutputFormat::Page; // of what the output box holds
    ColorSpace m_space = ColorSpace::Srgb; // only a preset chooses another

    QLineEdit *m_lastColor = nullptr; // Text1, hidden: its background is the last fade colour
    QPlainTextEdit *m_message = nullptr;
    QPlainTextEdit *m_output = nullptr;
    BudgetCountLabel *m_budgetCount = nullptr;
    RichFadeCopy m_richCopy;
    QPushButton *m_optionsButton = nullptr;
    std::array<QLabel *, 9> m_channelLabels {}; // per bar
    std::array<QLineEdit *, 3> m_colorBoxes {};
    ChoiceList *m_fadeList = nullptr;
    ChoiceList *m_fontSizes = nullptr;
    ChoiceList *m_fontNames = nullptr;
    PictureBox *m_chart = nullptr;
    FaderPanel *m_panel = nullptr;
    StopsEditor *m_stopsEditor = nullptr;
    QMenu *m_optionsMenu = nullptr;
    QAction *m_bold = nullptr;
    QAction *m_italics = nullptr;
    QAction *m_underline = nullptr;
    QAction *m_waving = nullptr;
    QAction *m_elite = nullptr;
    QAction *m_stayOnTop = nullptr;
    OutputFormatMenu *m_formats = nullptr;
};
