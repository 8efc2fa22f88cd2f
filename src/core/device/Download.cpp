#include "core/device/Download.h"

#include <optional>

#include "core/device/OperationDriver.h"
#include "core/device/Upload.h"

namespace vl {
namespace {

constexpr size_t kNormalBlock = 16;
constexpr size_t kProtectedBlock = 8;

Bytes Slice(const std::vector<uint8_t>& image, size_t from, size_t count, bool zeroFill) {
  Bytes block;
  for (size_t i = from; i < from + count; ++i) {
    if (i < image.size())
      block.push_back(static_cast<char>(image[i]));
    else if (zeroFill)
      block.push_back('\0');
  }
  return block;
}

// One block, sent up to kWriteSends times until it is acknowledged.
bool WriteBlock(Link& link, DeviceSession& session, const std::vector<uint8_t>& image, size_t address) {
  const bool normal = link.mode == TransferMode::Normal;
  const auto at = static_cast<uint16_t>(address);
  const Bytes block = normal ? WriteBlockPacket(link.checksumKind, session.identity.SerialNumber, at,
                                                Slice(image, address, kNormalBlock, true))
                             : Slice(image, address, kProtectedBlock, false);
  for (int send = 1; send <= kWriteSends; ++send) {
    const bool acknowledged = normal ? WritePacketAck(link, block) : WriteFrameAck(link, block, at);
    if (send >= 2) session.reporter.SetStatus(RetryText(session, send, kWriteRetryPattern));
    if (acknowledged) return true;
  }
  return false;
}

DeviceHeader DownloadHeader(const DeviceSession& session, size_t imageSize) {
  const SettingsStore& settings = session.settings;
  DeviceHeader header = session.header;  // keeps the controller version and Extra
  header.DataSize = static_cast<uint16_t>(imageSize);
  header.Language = settings.Get(Setting::Layout);
  header.CorrectLock = settings.Get(Setting::CorrectLock);
  header.ScanInterval = settings.Get(Setting::Ibd);
  header.ProgrammerMinor = 3;
  header.ProgrammerMajor = 2;
  header.Buffered = settings.Get(Setting::Buffered);
  header.Programmer = 0;
  return header;
}

// Reads the written image back; an empty text when it matches, nullopt when a
// stop was asked for between the blocks of the read-back.
std::optional<std::string> Verify(Link& link, DeviceSession& session, const std::vector<uint8_t>& image) {
  std::vector<uint8_t> readBack;
  SendBytePaced(link, 0xF5);
  const MemoryTransfer read =
      ReadDeviceMemory(link, session, static_cast<uint16_t>(image.size()), kStatusVerify, readBack);
  if (read == MemoryTransfer::Stopped) return std::nullopt;
  if (read != MemoryTransfer::Done) return kVerifyReadError;
  for (size_t i = 0; i < image.size(); ++i)
    if (readBack[i] != image[i]) return VerifyMismatchText(static_cast<int>(i), session.prompt.Translator());
  return std::string();
}

}  // namespace

MemoryTransfer WriteDeviceMemory(Link& link, DeviceSession& session, const std::vector<uint8_t>& image) {
  const size_t step = link.mode == TransferMode::Normal ? kNormalBlock : kProtectedBlock;
  for (size_t address = 0; address < image.size(); address += step) {
    // The gate before the first block is the caller's.
    if (address > 0 && !session.gate.Pass()) return MemoryTransfer::Stopped;
    session.reporter.SetProgress(BlockPosition(address, image.size()));
    session.reporter.SetStatus(kStatusWriteData);
    if (!WriteBlock(link, session, image, address)) return MemoryTransfer::Failed;
  }
  return MemoryTransfer::Done;
}

std::string VerifyMismatchText(int address, const TextTranslator& translate) {
  return TranslatedText(translate, kVerifyMismatchPattern, {std::to_string(address)});
}

OperationResult RunDownload(DeviceSession& session, const DownloadJob& job) {
  IReporter& reporter = session.reporter;
  reporter.SetStatus(kStatusBuildImage);
  const ImageDevice device{session.identity.SerialNumber, session.model.Width, session.model.Height,
                           session.model.Check == CheckKind::Crc, session.header.ControllerMajor,
                           session.header.ControllerMinor};
  const auto built = BuildDeviceImage(job.document, session.settings, device, job.selection, job.placement);

  Link link = OpenLink(session.access, SettingsMode(session.settings), session.model);
  if (session.gate.StopRequested()) {
    FinishOperation(link, session, {}, false);
    return OperationResult::Cancelled;
  }
  // An image the 16-bit counter cannot hold cannot fit any device either.
  const int room = AddressableMemory(session.model) - 32;
  if (!built || static_cast<int>(built->size()) >= room) {
    FinishOperation(link, session, kImageTooLarge, false);
    return OperationResult::Failed;
  }
  const std::vector<uint8_t>& image = *built;
  // The first block's gate: a stop decided here (the user may be answering
  // whether to stop) comes before a byte was written, so the device still holds
  // its old layout whole and is only reset.
  if (!session.gate.Pass()) {
    FinishOperation(link, session, {}, false);
    return OperationResult::Cancelled;
  }

  reporter.SetStatus(kStatusWriteData);
  switch (WriteDeviceMemory(link, session, image)) {
    case MemoryTransfer::Stopped:
      FinishOperation(link, session, {}, true);
      return OperationResult::Cancelled;
    case MemoryTransfer::Failed:
      FinishOperation(link, session,
                      link.port.Lost()                       ? kPortLost
                      : link.mode == TransferMode::Normal ? kWriteErrorNormal
                                                          : kWriteErrorProtected,
                      true);
      return OperationResult::Failed;
    case MemoryTransfer::Done:
      break;
  }

  reporter.SetProgress(100);
  reporter.SetStatus(kStatusWriteHeader);
  const DeviceHeader header = DownloadHeader(session, image.size());
  bool headerWritten = false;
  for (int attempt = 0; attempt < kWriteSends && !headerWritten; ++attempt)
    headerWritten = WriteHeader(link, session.identity.SerialNumber, HeaderAddress(session.model), header,
                                ProgrammerVersion{});
  if (!headerWritten) {
    FinishOperation(link, session, kHeaderError, true);
    return OperationResult::Failed;
  }

  if (job.verify) {
    const auto difference = Verify(link, session, image);
    if (!difference) {
      // The layout is whole and in force; only the check was given up, so it stays.
      DeviceCommand(link, IntervalCode(session.settings.Get(Setting::Ibd)), false);
      FinishOperation(link, session, kVerifyStopped, false);
      return OperationResult::Cancelled;
    }
    if (!difference->empty()) {
      FinishOperation(link, session, *difference, true);
      return OperationResult::Failed;
    }
  }

  reporter.SetStatus(kStatusInterval);
  DeviceCommand(link, IntervalCode(session.settings.Get(Setting::Ibd)), false);
  reporter.SetStatus(kStatusReset);
  ResetKeyboard(link);
  StopCapture(link);
  return OperationResult::Done;
}

}  // namespace vl
