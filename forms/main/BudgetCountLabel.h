#pragma once

#include "engine/FadeGenerator.h"

#include <QLabel>

// The length of the last fade against its target's limit, as "used/limit" beside the output
// box, red when over it with the advice tintra-fade gives; hidden for a target without one.
class BudgetCountLabel : public QLabel
{
    Q_OBJECT

public:
    explicit BudgetCountLabel(QWidget *parent = nullptr);

    void showCount(const FadeResult &fade);
};
