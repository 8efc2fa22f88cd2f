#pragma once
// A serio bus in a temporary folder: an i8042 keyboard port held by atkbd, an
// AUX port, and the drivers' folders. FakeKernel answers drvctl requests as the
// kernel does: the old driver lets go first, then the new one may refuse.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "port-helper/SerioSysfs.h"

namespace vl::port::test {

namespace fs = std::filesystem;

class FakeSysfsTree {
 public:
  explicit FakeSysfsTree(bool withKeyboardPort = true) {
    root_ = fs::temp_directory_path() /
            ("vlat-port-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
    fs::remove_all(root_);
    AddPort("serio1", "i8042 AUX port", "psmouse");
    if (withKeyboardPort) AddPort("serio0", "i8042 KBD port", "atkbd");
    for (const char* driver : {"atkbd", "psmouse", "serio_raw"}) fs::create_directories(Bus() / "drivers" / driver);
  }
  ~FakeSysfsTree() { fs::remove_all(root_); }

  const fs::path& Root() const { return root_; }
  fs::path Bus() const { return root_ / "sys" / "bus" / "serio"; }
  fs::path Port(const std::string& port) const { return Bus() / "devices" / port; }

  void AddPort(const std::string& port, const std::string& description, const std::string& driver) {
    fs::create_directories(Port(port));
    std::ofstream(Port(port) / "description") << description << '\n';
    std::ofstream(Port(port) / "drvctl");
    if (!driver.empty()) fs::create_directory_symlink("../../drivers/" + driver, Port(port) / "driver");
  }

  std::string Drvctl(const std::string& port) const {
    std::ifstream in(Port(port) / "drvctl");
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  static inline int counter_ = 0;
  fs::path root_;
};

class FakeKernel : public SerioSysfs {
 public:
  explicit FakeKernel(const FakeSysfsTree& tree) : SerioSysfs(tree.Root()), tree_(tree) {}

  std::set<std::string> refuse;  // drivers whose binding fails
  bool makeRawDevice = true;     // serio_raw creates misc/serio_raw0
  std::vector<std::string> requests;

  bool RequestDriver(const std::string& port, const std::string& request) override {
    requests.push_back(port + ":" + request);
    if (!SerioSysfs::RequestDriver(port, request)) return false;
    const std::string driver = request == "rescan" ? std::string(kKeyboardDriver) : request;
    Unbind(port);
    if (refuse.count(request) || !HasDriver(driver)) return false;
    fs::create_directory_symlink("../../drivers/" + driver, tree_.Port(port) / "driver");
    if (driver == kRawDriver && makeRawDevice) fs::create_directories(tree_.Port(port) / "misc" / "serio_raw0");
    return true;
  }

 private:
  void Unbind(const std::string& port) {
    fs::remove(tree_.Port(port) / "driver");
    fs::remove_all(tree_.Port(port) / "misc");
  }

  const FakeSysfsTree& tree_;
};

}  // namespace vl::port::test
