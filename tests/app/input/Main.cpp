// Runs the Qt Test classes of the key programming windows and of what assistive
// technology and keyboard-only users get from them.

#include <QApplication>

namespace vl {
int RunKeyboardByteSourceTest(int argc, char** argv);
int RunInputWindowsTest(int argc, char** argv);
int RunAccessibilityTest(int argc, char** argv);
}  // namespace vl

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int status = vl::RunKeyboardByteSourceTest(argc, argv);
  status |= vl::RunInputWindowsTest(argc, argv);
  status |= vl::RunAccessibilityTest(argc, argv);
  return status;
}
