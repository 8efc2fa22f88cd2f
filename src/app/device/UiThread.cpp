#include "app/device/UiThread.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>

namespace vl {

void RunOnUiThread(QObject* context, const std::function<void()>& call) {
  if (QThread::currentThread() == context->thread()) {
    call();
    return;
  }
  QMetaObject::invokeMethod(context, call, Qt::BlockingQueuedConnection);
}

}  // namespace vl
