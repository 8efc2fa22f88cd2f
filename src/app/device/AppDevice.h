#pragma once
// The keyboard the application talks to: the port the user chose ("keyboard
// port", or --port), its clock and lock state, and the device catalogue beside
// the program. A simulated keyboard keeps its memory between runs in a state
// file, as a real keyboard keeps its layout.

#include <QString>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/common/PortHandle.h"
#include "app/device/SimulatedKeyboard.h"
#include "core/catalogue/DeviceCatalogue.h"
#include "core/common/StateFile.h"
#include "core/device/Clock.h"
#include "core/device/DeviceSession.h"
#include "core/device/LockState.h"
#include "core/device/Port.h"

namespace vl {

class AppDevice {
 public:
  // Opens the port named by choiceText (see PortChoice) with the catalogue of
  // dataFolder; a simulated keyboard's memory lives in stateFolder, held by this
  // device alone until it closes. Throws std::exception with the reason when the
  // catalogue, the choice or the port fails, or the memory is another program's
  // or cannot be kept.
  static std::unique_ptr<AppDevice> Open(const std::string& choiceText, const std::string& dataFolder,
                                         const QString& stateFolder);

  // A port and clock made elsewhere (tests), with the catalogue to use.
  AppDevice(std::unique_ptr<Clock> clock, std::unique_ptr<Port> port, std::unique_ptr<IDeviceCatalogue> catalogue);
  // A simulated keyboard on the clock (tests, or Open for a "sim" choice).
  AppDevice(std::unique_ptr<Clock> clock, std::unique_ptr<SimulatedKeyboard> keyboard,
            std::unique_ptr<IDeviceCatalogue> catalogue);
  ~AppDevice();

  PortAccess Access() { return PortAccess{*port_, *clock_, locks_}; }
  // The port for the byte readers, when bytes arrive from it without a request
  // (a keyboard to test); an empty handle otherwise. Invalid once the device closes.
  PortHandle ByteSource() const { return deliversBytes_ ? PortHandle(slot_) : PortHandle(); }
  // A device job has the port: the byte readers send and hear nothing meanwhile.
  void HoldForJob(bool held);
  // The simulated keyboard when it is the port, else nullptr.
  SimulatedKeyboard* Simulated() const { return simulated_.get(); }
  const IDeviceCatalogue& Catalogue() const { return *catalogue_; }

  // Writes a simulated keyboard's memory to its state file; nothing for others.
  // False when the memory could not be kept.
  bool KeepState() const;
  // The file a simulated keyboard's memory is kept in; empty for others.
  QString StateFileName() const;

  // What the settings offer as the keyboard port, as (stored value, caption):
  // no port, each serio_raw device present, a simulated keyboard of each type
  // the catalogue of dataFolder lists.
  static std::vector<std::pair<QString, QString>> PortChoices(const std::string& dataFolder);

 private:
  std::unique_ptr<Clock> clock_;
  std::unique_ptr<Port> ownedPort_;
  std::unique_ptr<SimulatedKeyboard> simulated_;
  Port* port_;
  std::unique_ptr<IDeviceCatalogue> catalogue_;
  FixedLockState locks_;
  bool deliversBytes_ = false;
  std::unique_ptr<StateFile> state_;
  std::shared_ptr<PortHandle::Slot> slot_ = std::make_shared<PortHandle::Slot>();
};

}  // namespace vl
