#pragma once

#include <QWidget>

// The information window that "About" opens: six lines of fixed text on pale
// yellow. The application keeps one of it, created on first use; closing it
// only hides it, and it stays open when the main window closes.
class Form_About : public QWidget {
    Q_OBJECT

public:
    explicit Form_About(QWidget *parent = nullptr);

    // The application's one About window, created on first use.
    static Form_About &instance();
};
