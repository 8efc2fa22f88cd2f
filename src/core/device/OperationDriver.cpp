#include "core/device/OperationDriver.h"

#include <algorithm>
#include <iterator>
#include <cstdio>

#include "core/device/Detect.h"
#include "core/device/DeviceField.h"
#include "core/device/DeviceInfoQuery.h"
#include "core/device/Download.h"
#include "core/device/Upload.h"

namespace vl {
namespace {

const char* YesNo(bool value) { return value ? kInfoYes : kInfoNo; }

const char* LanguageName(uint8_t language) {
  return language < std::size(kLayoutLanguageNames) ? kLayoutLanguageNames[language] : "?";
}

}  // namespace

bool SelectionExceedsDevice(const TRect& selection, int width, int height) {
  return selection.Width() > width || selection.Height() > height;
}

TRect DeviceBlock(const TRect& selection, int width, int height) {
  return TRect{selection.Left, selection.Top,
               std::min(selection.Left + width - 1, kFieldSize),
               std::min(selection.Top + height - 1, kFieldSize)};
}

std::string DownloadPropertiesText(const SettingsStore& settings, const TextTranslator& translate) {
  // "%2.1f" must print a point whatever the locale, as the program always has.
  const double interval = SettingsStore::IntervalMs(settings.Get(Setting::Ibd));
  const int tenths = static_cast<int>(interval * 10 + 0.5);
  char number[16];
  std::snprintf(number, sizeof number, "%d.%d", tenths / 10, tenths % 10);
  return TranslatedText(translate, kDownloadPropertiesPattern,
                        {std::to_string(settings.Get(Setting::LayerCount) + 1),
                         Translated(translate, YesNo(settings.IsOn(Setting::CorrectLock))), number,
                         Translated(translate, LanguageName(settings.Get(Setting::Layout))),
                         Translated(translate, YesNo(settings.IsOn(Setting::Buffered)))});
}

uint8_t IntervalCode(int item) { return item >= 15 ? 0 : static_cast<uint8_t>(item + 1); }

int KeysOutside(const TDocument& document, const TRect& block) {
  int count = 0;
  for (int row = 1; row <= kFieldSize; ++row)
    for (int column = 1; column <= kFieldSize; ++column) {
      const bool inside =
          column >= block.Left && column <= block.Right && row >= block.Top && row <= block.Bottom;
      const TMacroButton* key = inside ? nullptr : document.GetKey(column, row);
      if (key && !key->IsBlank()) ++count;
    }
  return count;
}

std::string KeysOutsideQuestion(int count, int width, int height, const TextTranslator& translate) {
  return TranslatedText(translate, kKeysOutsidePattern,
                        {std::to_string(width), std::to_string(height), std::to_string(count)});
}

namespace {

bool Agreed(IPrompt& prompt, const std::string& text, MessageIcon icon) {
  return prompt.Ask(text, kCaptionAttention, MessageButtons::YesNo, icon) == Answer::Yes;
}

// The download's own questions on the fragment; false when the user declines.
// Each question names the field when it does not start at the first key.
bool DownloadAgreed(const SettingsStore& settings, const OperationRequest& request, const TRect& fragment,
                    const DeviceModel& model, IPrompt& prompt) {
  const auto agreed = [&](const std::string& question, MessageIcon icon) {
    return Agreed(prompt, WithDeviceFieldNote(fragment, question, prompt.Translator()), icon);
  };
  const auto remarks = CheckLayout(request.document, fragment, settings.LayerCountValue(), prompt.Translator());
  if (!remarks.empty()) {
    if (request.showRemarks) request.showRemarks(remarks);
    if (!agreed(Translated(prompt.Translator(), kCheckRemarks), MessageIcon::Exclamation)) return false;
  }
  // A fragment the user selected leaves the rest out by choice; the device's
  // field taken whole leaves out, unasked, what lies beyond it.
  if (!settings.IsOn(Setting::IsDownloadFromSelection)) {
    const int outside = KeysOutside(request.document, fragment);
    if (outside > 0 &&
        !agreed(KeysOutsideQuestion(outside, model.Width, model.Height, prompt.Translator()), MessageIcon::Exclamation))
      return false;
  }
  return !settings.IsOn(Setting::IsShowDownloadParameters) ||
         agreed(DownloadPropertiesText(settings, prompt.Translator()), MessageIcon::Information);
}

}  // namespace

std::optional<PreparedOperation> PrepareOperation(const PortAccess& access, const SettingsStore& settings,
                                                  const IDeviceCatalogue& catalogue,
                                                  const OperationRequest& request, IReporter& reporter,
                                                  IPrompt& prompt) {
  reporter.SetProgress(0);
  Link link = OpenLink(access, SettingsMode(settings));
  // Every early exit closes the port; only the disable-scanning byte has gone out.
  const auto close = [&link] {
    StopCapture(link);
    return std::nullopt;
  };

  reporter.SetStatus(kStatusDetect);
  const auto identity = DetectDevice(link, reporter, prompt);
  if (!identity) return close();

  const auto model = catalogue.Model(identity->DeviceType);
  auto placement = model ? catalogue.Decoding(identity->DeviceType) : std::nullopt;
  if (!placement) {
    StopCapture(link);
    prompt.Message(catalogue.Problem(identity->DeviceType), kCaptionError, MessageIcon::Error);
    return std::nullopt;
  }

  TRect fragment = request.selection;
  if (SelectionExceedsDevice(fragment, model->Width, model->Height) &&
      !Agreed(prompt, kSelectionTooLarge, MessageIcon::Information))
    return close();

  reporter.SetStatus(kStatusController);
  link.checksumKind = static_cast<uint8_t>(model->Check);

  const bool download = request.kind == OperationKind::Download;
  const Setting ownSelection = download ? Setting::IsDownloadFromSelection : Setting::IsUploadInSelection;
  if (!settings.IsOn(ownSelection)) fragment = DeviceBlock(fragment, model->Width, model->Height);
  if (request.showFragment) request.showFragment(fragment);
  if (download && !DownloadAgreed(settings, request, fragment, *model, prompt)) return close();
  if (download && request.agreed && !request.agreed()) return close();

  SendBytePaced(link, 0xF5);
  const auto header =
      ReadControllerVersion(link, identity->SerialNumber, HeaderAddress(*model), reporter, prompt.Translator());
  if (!header) {
    ResetKeyboard(link);
    StopCapture(link);
    reporter.SetStatus(kStatusKeyboardReset);
    prompt.Message(kControllerReadError, kCaptionError, MessageIcon::Error);
    return std::nullopt;
  }
  StopCapture(link);
  return PreparedOperation{*model, *identity, *header, std::move(*placement), fragment};
}

OperationResult RunDeviceOperation(const PortAccess& access, const SettingsStore& settings,
                                   const IDeviceCatalogue& catalogue, const OperationRequest& request,
                                   IReporter& reporter, IPrompt& prompt, CancelGate& gate) {
  const bool download = request.kind == OperationKind::Download;
  auto prepared = PrepareOperation(access, settings, catalogue, request, reporter, prompt);
  if (!prepared) return OperationResult::Failed;
  DeviceSession session{access,           settings, prepared->model, prepared->identity,
                        prepared->header, reporter, prompt,          gate};
  if (download)
    return RunDownload(session, DownloadJob{request.document, prepared->selection, prepared->placement,
                                            request.verify});
  DeviceRead read;
  DeviceRead& into = request.uploadInto ? *request.uploadInto : read;
  const OperationResult result = RunUpload(session, UploadJob{into, prepared->selection, prepared->placement});
  if (!request.uploadInto) StoreDeviceRead(request.document, read);
  return result;
}

}  // namespace vl
