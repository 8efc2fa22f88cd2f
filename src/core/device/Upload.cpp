#include "core/device/Upload.h"

#include <string_view>

#include "core/device/Crc8.h"
#include "core/device/UploadStore.h"

namespace vl {
namespace {

constexpr size_t kReadBlock = 8;
constexpr int kVersionWithCrc = 14;    // 1.4 and later close the image with a CRC-8
constexpr int kVersionClickQuirk = 14; // 1.4 wrote Click 7 for 6

bool GoodAnswer(const Bytes& answer, const Link& link) {
  if (answer.size() != ReadAnswerLength(link.checksumKind)) return false;
  const auto* bytes = reinterpret_cast<const uint8_t*>(answer.data());
  return CheckBlock(std::span<const uint8_t>(bytes, answer.size()), static_cast<CheckKind>(link.checksumKind));
}

int ProgrammerVersionOf(const DeviceHeader& header) {
  return header.ProgrammerMajor * 10 + header.ProgrammerMinor;
}

}  // namespace

MemoryTransfer ReadDeviceMemory(Link& link, DeviceSession& session, uint16_t size, const char* statusText,
                            std::vector<uint8_t>& image) {
  image.clear();
  const size_t dataAt = link.checksumKind == static_cast<uint8_t>(CheckKind::Sum) ? 5 : 3;
  for (size_t address = 0; address < size; address += kReadBlock) {
    if (!session.gate.Pass()) return MemoryTransfer::Stopped;
    session.reporter.SetStatus(statusText);
    session.reporter.SetProgress(BlockPosition(address, size));
    bool good = false;
    for (int failures = 0; !good;) {
      const Bytes answer = ReadBlock(link, session.identity.SerialNumber, static_cast<uint16_t>(address));
      good = GoodAnswer(answer, link);
      if (good) {
        const std::string_view data = std::string_view(answer).substr(dataAt, kReadBlock);
        image.insert(image.end(), data.begin(), data.end());
        break;
      }
      session.reporter.SetStatus(RetryText(session, failures + 1, kReadRetryPattern));
      if (++failures >= kReadAttempts) return MemoryTransfer::Failed;
    }
  }
  return MemoryTransfer::Done;
}

OperationResult RunUpload(DeviceSession& session, const UploadJob& job) {
  Link link = OpenLink(session.access, SettingsMode(session.settings), session.model);
  session.reporter.SetStatus(kStatusDataSize);
  const uint16_t dataSize = session.header.DataSize;
  if (dataSize == 0) {
    FinishOperation(link, session, kDeviceEmpty, false);
    return OperationResult::Failed;
  }
  if (AddressableMemory(session.model) < dataSize) {
    FinishOperation(link, session, kDataSizeError, false);
    return OperationResult::Failed;
  }

  SendBytePaced(link, 0xF5);
  std::vector<uint8_t> image;
  switch (ReadDeviceMemory(link, session, dataSize, kStatusReadData, image)) {
    case MemoryTransfer::Stopped:
      FinishOperation(link, session, {}, false);
      return OperationResult::Cancelled;
    case MemoryTransfer::Failed:
      FinishOperation(link, session, kReadError, false);
      return OperationResult::Failed;
    case MemoryTransfer::Done:
      break;
  }
  ResetKeyboard(link);
  StopCapture(link);

  // What the last block brought beyond the stored length is not part of the image.
  image.resize(dataSize);
  if (ProgrammerVersionOf(session.header) >= kVersionWithCrc) {
    if (Crc8(image) != 0) {
      session.prompt.Message(kCrcError, kCaptionAttention, MessageIcon::Exclamation);
      return OperationResult::Failed;
    }
    image.pop_back();
  }

  session.reporter.SetStatus(kStatusProcess);
  const ImageReadOptions options{session.model.Width, session.model.Height,
                                 ProgrammerVersionOf(session.header) == kVersionClickQuirk,
                                 session.settings.IsOn(Setting::IsUploadInCard)};
  UploadStore store(job.read, job.selection, session.settings);
  const bool read = ReadDeviceImage(image, options, job.placement, store);
  if (!read) {
    session.prompt.Message(kProcessError, kCaptionError, MessageIcon::Error);
    return OperationResult::Failed;
  }
  return OperationResult::Done;
}

}  // namespace vl
