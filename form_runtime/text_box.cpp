#include "form_runtime/text_box.h"

#include "form_runtime/number_text.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>

namespace form_runtime {

namespace {

constexpr qreal kSmallestPoints = 6;
constexpr qreal kPointStep = 0.5;
// QLineEdit keeps 2 pixels on each side of its text and 1 for the cursor.
constexpr int kLineEditMargins = 2 * 2 + 1;

} // namespace

TextBox::TextBox(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (text != result_)
            showAsUsual();
        unflag();
    });
}

void TextBox::flag(const QString &note)
{
    if (note.isEmpty()) {
        unflag();
        return;
    }
    if (note == note_)
        return; // flagged so already: the box keeps its sign
    unflag();
    note_ = note;
    plainDescription_ = accessibleDescription();
    if (signStyle_ != style()) { // the style's icon, looked up once for each style the box has
        signStyle_ = style();
        signIcon_ = style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this);
        if (sign_)
            sign_->setIcon(signIcon_);
    }
    setToolTip(note);
    setAccessibleDescription(plainDescription_.isEmpty() ? note : plainDescription_ + QStringLiteral(". ") + note);
    if (!result_.isEmpty()) {
        // A result keeps its whole room: the sign stands at the box's corner,
        // above the digits.
        resultSign_ = true;
        placeResultSign();
        return;
    }
    // The sign is made once and shown or hidden after that: a hidden sign
    // takes no room in the box and is not in what a screen reader finds.
    if (!sign_) {
        sign_ = addAction(signIcon_, TrailingPosition);
        sign_->setObjectName(QStringLiteral("Sign_Doubt"));
    }
    sign_->setText(note);
    sign_->setToolTip(note);
    sign_->setVisible(true);
}

void TextBox::unflag()
{
    if (note_.isEmpty())
        return;
    if (sign_)
        sign_->setVisible(false);
    if (resultSign_) {
        resultSign_ = false;
        placeResultSign();
    }
    note_.clear();
    setToolTip(reduced_ ? text() : QString());
    setAccessibleDescription(plainDescription_);
}

void TextBox::showResult(const QString &text)
{
    showAsUsual();
    result_ = text;
    setText(text);
    setCursorPosition(0);
    fit();
}

int TextBox::signSide() const
{
    return std::max(8, height() / 2 - 1);
}

QRect TextBox::resultSignRect() const
{
    if (!resultSign_)
        return {};
    // Above the tops of the digits, at the box's right end: the line edit
    // centres its line of text in its contents, a pixel in from their edges.
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect line = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this)
                           .marginsRemoved(textMargins())
                           .adjusted(0, 1, 0, -1);
    const QFontMetrics metrics = fontMetrics();
    // The top of the line's ascent, above the tops of the digits whatever
    // the font's cap height and the scale's rounding.
    const int ascentTop = line.top() + (line.height() - metrics.height() + 1) / 2;
    const int side = signSide();
    QRect sign(geometry().right() + 1 - side, geometry().top() + ascentTop - side, side, side);
    sign.moveTop(std::max(sign.top(), 0)); // kept inside the parent, which draws it
    return sign;
}

void TextBox::placeResultSign()
{
    if (!resultSign_ || !parentWidget()) {
        if (resultSignLabel_)
            resultSignLabel_->hide();
        return;
    }
    if (!resultSignLabel_) {
        resultSignLabel_ = new QLabel(parentWidget());
        resultSignLabel_->setObjectName(objectName() + QStringLiteral("_Sign"));
        resultSignLabel_->setScaledContents(true);
        // The box's description carries the note for a screen reader.
        resultSignLabel_->setAccessibleName(QString());
    }
    const QRect sign = resultSignRect();
    resultSignLabel_->setPixmap(signIcon_.pixmap(sign.size(), devicePixelRatioF()));
    resultSignLabel_->setToolTip(note_);
    resultSignLabel_->setGeometry(sign);
    resultSignLabel_->setVisible(isVisible());
    resultSignLabel_->raise();
}

void TextBox::moveEvent(QMoveEvent *event)
{
    QLineEdit::moveEvent(event);
    if (resultSign_)
        placeResultSign();
}

void TextBox::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    if (resultSign_)
        placeResultSign();
}

void TextBox::showEvent(QShowEvent *event)
{
    QLineEdit::showEvent(event);
    if (resultSign_)
        placeResultSign();
}

void TextBox::hideEvent(QHideEvent *event)
{
    QLineEdit::hideEvent(event);
    if (resultSignLabel_)
        resultSignLabel_->hide();
}

int TextBox::textAreaWidth() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
    return contents.marginsRemoved(textMargins()).width() - kLineEditMargins;
}

void TextBox::fit()
{
    // Most results fit in the usual font: then nothing but the text changes.
    const int room = textAreaWidth();
    if (fontMetrics().horizontalAdvance(text()) <= room)
        return;
    const auto fits = [&](const QFont &f) { return QFontMetricsF(f, this).horizontalAdvance(text()) <= room; };
    QFont smaller = font();
    for (qreal points = smaller.pointSizeF() - kPointStep; points >= kSmallestPoints; points -= kPointStep) {
        smaller.setPointSizeF(points);
        if (fits(smaller))
            break;
    }
    setFont(smaller);
    reduced_ = true;
    cut_ = !fits(smaller);
    setToolTip(text());
    update();
}

void TextBox::showAsUsual()
{
    result_.clear();
    if (!reduced_)
        return;
    reduced_ = cut_ = false;
    setFont(QFont());
    setToolTip(QString());
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    // An Alt chord that is no mnemonic types nothing. (AltGr, which types
    // characters on many keyboards, comes as its own modifier or with Ctrl.)
    const Qt::KeyboardModifiers mods = event->modifiers();
    if ((mods & Qt::AltModifier) && !(mods & (Qt::ControlModifier | Qt::GroupSwitchModifier)) &&
        !event->text().isEmpty()) {
        event->ignore();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::paintEvent(QPaintEvent *event)
{
    // While the box has focus it is edited as usual, the cursor scrolling
    // through the whole text.
    if (!cut_ || hasFocus()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this)
                               .marginsRemoved(textMargins())
                               .adjusted(2, 0, -2, 0);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(contents, Qt::AlignLeft | Qt::AlignVCenter, displayedText());
}

QString TextBox::displayedText() const
{
    return cut_ ? cutToFit() : text();
}

QString TextBox::cutToFit() const
{
    // The exponent stays whole and the digits before it are cut, so that the
    // order of magnitude is always in view: "7.46…E+299".
    const QFontMetrics metrics = fontMetrics();
    const qsizetype e = text().indexOf(QLatin1Char('E'));
    const QString exponent = e < 0 ? QString() : text().mid(e);
    const QString digits = text().left(e < 0 ? text().size() : e);
    QString cut = metrics.elidedText(digits, Qt::ElideRight, textAreaWidth() - metrics.horizontalAdvance(exponent));
    // A point with no digit after it reads as the end of the number.
    cut.replace(QStringLiteral(".…"), QStringLiteral("…"));
    return cut + exponent;
}

double valueOf(const QLineEdit *box)
{
    return valueOfText(box->text().toStdString());
}

QString unroundedText(double value)
{
    return std::isnan(value) ? QString() : QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString inputText(double value)
{
    return QString::number(value, 'g', 10);
}

QString ratioText(double v)
{
    if (v != 0 && (std::fabs(v) < 1e-4 || std::fabs(v) >= 1e7))
        return QString::number(v, 'e', 3);
    const int magnitude = v == 0 ? 0 : int(std::floor(std::log10(std::fabs(v))));
    return QString::number(v, 'f', std::max(4, 3 - magnitude));
}

QString shownText(double value)
{
    return QString::fromStdString(displayText(value));
}

void showValue(TextBox *box, double value)
{
    box->showResult(shownText(value));
}

} // namespace form_runtime
