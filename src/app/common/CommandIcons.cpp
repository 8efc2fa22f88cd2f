#include "app/common/CommandIcons.h"

namespace vl {

std::span<const CommandIcon> CommandIconTable() {
  static const CommandIcon table[] = {
      {"acNew", "document-new", "document-new"},
      {"acOpen", "document-open", "document-open"},
      {"acSave", "document-save", "document-save"},
      {"acCut", "edit-cut", "edit-cut"},
      {"acCopy", "edit-copy", "edit-copy"},
      {"acPaste", "edit-paste", "edit-paste"},
      {"acSpecialPaste", nullptr, "special-paste"},
      {"acUndo", "edit-undo", "edit-undo"},
      {"acRedo", "edit-redo", "edit-redo"},
      {"acViewLayersAll", nullptr, "layers-all"},
      {"acViewLayers0", nullptr, "layer-0"},
      {"acViewLayers1", nullptr, "layer-1"},
      {"acViewLayers2", nullptr, "layer-2"},
      {"acViewLayers3", nullptr, "layer-3"},
      {"acViewNormal", "zoom-out", "view-normal"},
      {"acViewSuper", "zoom-in", "view-high"},
      {"acServiceCheck", nullptr, "layout-check"},
      {"acParameters", "preferences-system", "preferences"},
      {"acViewCellInfo", "dialog-information", "cell-info"},
      {"acArrange", nullptr, "window-arrange"},
      {"acInfo", nullptr, "device-info"},
      {"acDownLoad", nullptr, "device-download"},
      {"acUpload", nullptr, "device-upload"},
      {"acDeviceClear", "edit-clear", "device-clear"},
      {"acIBD", nullptr, "interval"},
      {"acWindowTest", "input-keyboard", "window-test"},
      {"acKeyInput", nullptr, "key-input"},
      {"acCardInput", nullptr, "card-input"},
  };
  return table;
}

QIcon CommandIconFor(const QString& action) {
  for (const CommandIcon& entry : CommandIconTable()) {
    if (action != QLatin1String(entry.action)) continue;
    const QIcon ours(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(entry.fallback)));
    return entry.themeName ? QIcon::fromTheme(QLatin1String(entry.themeName), ours) : ours;
  }
  return {};
}

}  // namespace vl
