#pragma once

#include <QApplication>

namespace form_runtime {

// The application: QApplication, with the upper halves of the AVX vector
// registers marked clean before every event is handled (see
// clearUpperVectorState), so that no window's handler pays the transition
// penalty in its maths.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace form_runtime
