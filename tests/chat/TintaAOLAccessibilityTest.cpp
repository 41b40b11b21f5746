#include "chat/ChatSender.h"
#include "chat/TintaAOL.h"
#include "engine/FadeGenerator.h"
#include "engine/RandomSource.h"
#include "tests/testing/GuiTests.h"
#include "tests/testing/KeyboardTour.h"
#include "winhelpers/Services.h"
#include "winhelpers/testing/AnsweringDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class CountingSender : public ChatSender
{
public:
    explicit CountingSender(int &lines)
        : m_lines(lines)
    { }

    void send(const std::string &) override { ++m_lines; }

private:
    int &m_lines;
};

} // namespace

// With a screen reader and the keyboard alone: Tab visits every control, named; the swatches and
// the chart say what they show; Ctrl+Return in the message box sends the line.
TEST(ChatWindowAccessibility, EveryControlIsNamedInTabOrderAndSendsFromTheKeyboard)
{
    AnsweringDialogs dialogs;
    RandomSource random {7, [] {
                             return quint64(1);
                         }};
    Services services {dialogs, random};
    QWidget mainWindow;
    int sent = 0;
    auto *window = new TintaAOL(services, {u"Abadi"_s, u"Arial"_s},
                                std::make_unique<CountingSender>(sent), &mainWindow);
    QApplication::setActiveWindow(window);

    std::vector<TourStop> tour {
        {u"Text7"_s, u"Message"_s},       {u"Combo1"_s, u"Fade type"_s},
        {u"Command1"_s, u"Send Text!"_s}, {u"Check1"_s, u"Waving"_s},
        {u"Check2"_s, u"Bold Text"_s},    {u"Check3"_s, u"Elite Text"_s},
        {u"Combo2"_s, u"Font name"_s},
    };
    const std::array<QString, 3> channels {u"red"_s, u"green"_s, u"blue"_s};
    for (int bar = 1; bar <= 9; ++bar)
        tour.push_back({u"HScroll%1"_s.arg(bar),
                        u"Colour %1 %2"_s.arg((bar - 1) / 3 + 1).arg(channels[(bar - 1) % 3])});
    tour.push_back({u"Picture3"_s, u"Fade chart"_s});
    ExpectKeyboardTour(*window, tour);

    const auto description = [window](const QString &control) {
        return AccessibleText(FindControl(*window, control), QAccessible::Description);
    };
    EXPECT_EQ(description(u"Picture3"_s), u"TTinta from #FF0000 through #0000FF to #00FF00"_s);
    FindControl<QComboBox>(*window, u"Combo1"_s)->setCurrentIndex(FadeMode::Normal);
    EXPECT_EQ(description(u"Picture3"_s), u"Normal Fade from #FF0000 to #0000FF"_s);
    const std::vector<std::pair<QString, QString>> swatches {
        {u"Picture1"_s, u"#FF0000"_s},
        {u"Picture2"_s, u"#0000FF"_s},
        {u"Picture4"_s, u"Not used by this fade type"_s},
    };
    for (int which = 1; which <= 3; ++which) {
        const auto &[swatch, shown] = swatches[which - 1];
        EXPECT_EQ(AccessibleText(FindControl(*window, swatch), QAccessible::Name),
                  u"Colour %1"_s.arg(which));
        EXPECT_EQ(description(swatch), shown);
    }

    auto *message = FindControl<QPlainTextEdit>(*window, u"Text7"_s);
    QTest::keyClick(message, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(sent, 1);
    EXPECT_EQ(message->toPlainText(), u"Your text 2 send here\n"_s);
}
