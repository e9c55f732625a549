#pragma once

// The Working panel that "Working" opens: the solution of the case written
// out as a student writes it on paper, each result with its relation, the
// numbers put in and the result as the panels show it. It follows the case
// while it is seen, and gives the working away as plain text, as LaTeX or as
// a page for the browser and the printer.

#include "working_window/working.h"

#include <QString>
#include <QWidget>

#include <vector>

class NozzleCase;
class QPushButton;
class QTextBrowser;

class Form_Working : public QWidget {
    Q_OBJECT

public:
    explicit Form_Working(NozzleCase &nozzleCase, QWidget *parent = nullptr);

    // The working as the view shows it, and as the buttons give it away.
    QString plainText() const;
    QString latex() const;
    QString page() const;
    // Writes the page to `file`; false, with the reason in `why`, where it could not.
    bool savePage(const QString &file, QString &why) const;
    // How many times the working was written: a hidden panel writes none.
    int rewrites() const { return rewrites_; }

private:
    void rewrite();
    void showWorking(const std::vector<working::Section> &working);
    void chooseFile();

    NozzleCase &case_;
    QTextBrowser *Text_Working;
    QPushButton *Command_CopyWorking, *Command_CopyLatex, *Command_SaveWorking;
    std::vector<working::Section> working_; // as last written: the copies are made from it when asked for
    int rewrites_ = 0;
    std::vector<QString> shown_;      // each section's HTML in the view
    std::vector<int> starts_, lengths_; // and where it stands in the view's document
};
