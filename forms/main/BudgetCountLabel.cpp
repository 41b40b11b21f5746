#include "forms/main/BudgetCountLabel.h"

#include "winhelpers/FormControls.h"

using namespace Qt::StringLiterals;

BudgetCountLabel::BudgetCountLabel(QWidget *parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    // It sits on the output box's corner, so it keeps the box's own background under it.
    setAutoFillBackground(true);
    setAccessibleName(u"Length against the limit"_s);
    hide();
}

void BudgetCountLabel::showCount(const FadeResult &fade)
{
    const std::optional<BudgetCount> &count = fade.budgetCount;
    setVisible(count.has_value());
    if (!count)
        return;
    setText(u"%1/%2"_s.arg(count->used).arg(count->limit));
    const QString said =
        count->fits() ? BudgetUsage(*count) : BudgetAdvice(*count, fade.fittingEvery);
    setToolTip(said);
    setAccessibleDescription(said);
    SetPaletteColors(*this,
                     {{QPalette::Window, RGB(255, 255, 255)},
                      {QPalette::WindowText, count->fits() ? RGB(0, 0, 0) : RGB(255, 0, 0)}});
}
