#pragma once

#include <QComboBox>

// A list box of a fading window, fitted to its entries: the pop-up list is as wide as its widest
// entry, and the closed box ends a text too wide for it with an ellipsis instead of cutting it
// off (an editable box while it does not have the focus). A list that is not editable is only
// chosen from: typed characters are dropped, while the arrow keys, Enter and Escape work.
// Assistive technology meets it by its accessible name, its entry being its value and the
// selected item of its drop-down.
class ChoiceList : public QComboBox
{
    Q_OBJECT

public:
    explicit ChoiceList(QWidget *parent = nullptr);

    // Makes the box take typed text besides its entries.
    void makeEditable();

    // Names the list by what it is for, for assistive technology, and says in one line, as its
    // tooltip and accessible description, what choosing in it does.
    void describe(const QString &name, const QString &purpose);

    // The text the closed box shows.
    QString shownText() const;

    void showPopup() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int labelWidth() const;
};
