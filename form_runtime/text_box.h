#pragma once

#include <QIcon>
#include <QLineEdit>

class QAction;
class QLabel;

namespace form_runtime {

// A single-line text box. A result written with showValue is shown whole: in a
// smaller size of the box's font when it is too wide, down to 6 pt, and cut
// with an ellipsis before its exponent when even that is too wide, so that the
// box never shows a different number. text() stays the exact result, which is
// also what a screen reader reads; the tooltip gives it whole whenever it is
// not shown as usual. Any other change of the text (typing, or the program
// emptying the box) brings the usual font back.
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    explicit TextBox(QWidget *parent = nullptr);

    // Writes a result in the usual font, then fits it to the box.
    void showResult(const QString &text);
    // Whether a result's sign stands at the box's corner.
    bool hasResultSign() const { return resultSign_; }
    // Where the result's sign stands, in the parent's coordinates: at the
    // box's upper right corner, above the tops of the digits; empty when
    // there is none.
    QRect resultSignRect() const;
    // Whether the result is shown cut, with an ellipsis.
    bool isCut() const { return cut_; }
    // The text as the box paints it when it does not have the focus.
    QString displayedText() const;

    // Marks what was typed as doubtful: a warning sign at the end of the box,
    // whose tooltip, like the box's tooltip and accessible description, says
    // what was read and why. A result shown is marked by a small sign at the
    // box's upper right corner instead, above its digits, so that it keeps
    // its whole room. Any change of the
    // text takes it away, as does unflag().
    void flag(const QString &note);
    void unflag();
    // The note of the warning sign, or empty when the box has none.
    QString note() const { return note_; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    int textAreaWidth() const;
    int signSide() const;
    void placeResultSign();
    QString cutToFit() const;
    void fit();
    void showAsUsual();

    QString result_;     // the result shown, until the text changes otherwise
    QString note_;       // the doubt flagged
    QAction *sign_ = nullptr;
    QIcon signIcon_;
    const QStyle *signStyle_ = nullptr; // the style signIcon_ comes from
    QString plainDescription_; // the accessible description without the note
    bool resultSign_ = false; // the sign of a result, at the corner
    QLabel *resultSignLabel_ = nullptr; // drawn by the parent, over the corner
    bool reduced_ = false; // shown smaller than usual, or cut
    bool cut_ = false;
};

// The number typed into a text box (see valueOfText).
double valueOf(const QLineEdit *box);

// The text a result box shows for a value (see displayText).
QString shownText(double value);

// A value in full, for a copy: the shortest text that reads back as the same
// double; empty for NaN (a quantity that does not exist).
QString unroundedText(double value);

// A figure the program writes into an input box (another unit's, or one
// that follows another input): ten significant digits, so that no binary
// noise shows, and it reads back as typed.
QString inputText(double value);

// A ratio as the tables show it: as many decimals as give at least 4
// significant digits, and at least 4; below 1e-4 and from 1e7 up, in
// exponent form.
QString ratioText(double value);

// Writes a result into a text box, rounded for display.
void showValue(TextBox *box, double value);

} // namespace form_runtime
