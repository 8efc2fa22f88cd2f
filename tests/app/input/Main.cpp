// Runs the Qt Test classes of the key programming windows.

#include <QApplication>

namespace vl {
int RunKeyboardByteSourceTest(int argc, char** argv);
int RunInputWindowsTest(int argc, char** argv);
}  // namespace vl

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int status = vl::RunKeyboardByteSourceTest(argc, argv);
  status |= vl::RunInputWindowsTest(argc, argv);
  return status;
}
