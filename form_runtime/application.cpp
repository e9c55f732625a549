#include "form_runtime/application.h"

#include "form_runtime/vector_state.h"

namespace form_runtime {

Application::Application(int &argc, char **argv) : QApplication(argc, argv) {}

bool Application::notify(QObject *receiver, QEvent *event)
{
    clearUpperVectorState();
    return QApplication::notify(receiver, event);
}

} // namespace form_runtime
