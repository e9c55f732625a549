#pragma once

#include <QAction>
#include <QColor>
#include <QFont>
#include <QMainWindow>
#include <QTableView>
#include <QImage>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <ostream>
#include <vector>

class QWidget;

// GoogleTest prints a text as the text, not its bytes.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace testing_gui {

// A message box as the user saw it.
struct ShownMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    Qt::WindowModality modality;
    QString informative; // the second paragraph: the cause, and what to do
    QFont font;          // its text's
};

// Answers every modal message box as soon as it is shown, by clicking its OK
// button, and records what it showed; a dialog asking for a text gets the
// text given with type(). Any other modal window is closed too and counted,
// so that no test can hang on a dialog.
class MessageBoxAnswerer : public QObject {
public:
    MessageBoxAnswerer();
    const std::vector<ShownMessage> &shown() const { return shown_; }
    QStringList texts() const;
    int otherModals() const { return otherModals_; }
    // The next dialogs that ask for a text are answered with these, in turn.
    void type(const QStringList &texts) { typed_ = texts; }
    // The fonts of the dialogs that asked for a text, in turn.
    const std::vector<QFont> &askedIn() const { return asked_; }

private:
    void answer();

    QTimer timer_;
    std::vector<ShownMessage> shown_;
    int otherModals_ = 0;
    QStringList typed_;
    std::vector<QFont> asked_;
};

// The main window's panel of a kind, opened from its menu item when it is not
// made yet.
template <typename Panel>
Panel &panelOf(QMainWindow &form, const char *menuItem)
{
    if (!form.findChild<Panel *>())
        form.findChild<QAction *>(QLatin1String(menuItem))->trigger();
    return *form.findChild<Panel *>();
}

// Whether a pixel of about `colour` lies within `radius` pixels of `at`.
bool hasColourNear(const QImage &image, QPointF at, QColor colour, int radius = 1, int tolerance = 60);

// Turns the platform's accessibility on or off, as a screen reader does when
// it starts listening: only then are accessibility events sent.
void setScreenReaderListening(bool listening);

// The widget as it is painted now.
QImage rendered(QWidget *widget);

// A row of a table as it shows it: the row's header, then every cell.
QStringList shownRow(const QTableView *view, int row);

} // namespace testing_gui
