// SPDX-License-Identifier: MIT
// A number box with arrows that keeps whatever number is typed into it: QSpinBox refuses the key
// that takes its text out of range ("4001" in a box of 1 to 4000 stays "400") and puts back its last
// value on leaving, both without a word. Here the arrows stay within the allowed range while a
// typed number outside it stays as typed, for the window to refuse with a message.
#pragma once

#include <QSpinBox>

namespace vardex {

class KeptSpinBox : public QSpinBox {
    Q_OBJECT

public:
    KeptSpinBox(int least, int most, int value, QWidget *parent = nullptr);

    int Least() const { return least_; }
    int Most() const { return most_; }
    bool InRange() const { return value() >= least_ && value() <= most_; }

    void stepBy(int steps) override;
    // As wide as the allowed numbers and a digit more need, not the far wider numbers it keeps.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    StepEnabled stepEnabled() const override;

private:
    QSize Narrowed(QSize hint) const;

    int least_;
    int most_;
};

}  // namespace vardex
