#pragma once
// TVL2Grid: the key field of one layout document, 255 x 255 keys under a header
// row and column. Painted directly (a model over 65 025 cells would be too slow);
// turns mouse and keys into calls on its GridSelection (the selection and the
// right-button block move) and forwards edits to the document's operations.
// Holds no layout data of its own.

#include <QAbstractScrollArea>
#include <QHash>
#include <QPointer>
#include <QStaticText>
#include <QTimer>
#include <string>
#include <vector>

#include <optional>

#include "core/common/Prompt.h"
#include "app/editor/GridColours.h"
#include "core/document/BusyScope.h"
#include "core/document/DocumentObserver.h"
#include "core/document/GridSelection.h"
#include "core/document/GridTexts.h"
#include "core/document/VL2Document.h"
#include "core/settings/SettingsStore.h"

class QMenu;

namespace vl {

class TVL2Grid : public QAbstractScrollArea, public IDocumentObserver {
  Q_OBJECT

 public:
  struct Menus {
    QMenu* key = nullptr;
    QMenu* column = nullptr;
    QMenu* row = nullptr;
    QMenu* view = nullptr;
  };

  // The grid owns the document and becomes its owner for notifications; the
  // settings and the prompt must outlive it.
  TVL2Grid(std::unique_ptr<TVL2Document> document, const SettingsStore& settings, IPrompt& prompt,
           QWidget* parent = nullptr);
  ~TVL2Grid() override;

  TVL2Document& Document() const { return *document_; }
  void SetMenus(const Menus& menus) { menus_ = menus; }

  int ViewMode() const { return viewMode_; }
  void SetViewMode(int mode);
  // 0..3 one layer, 4 all layers.
  int ShownLayer() const { return shownLayer_; }
  void SetShownLayer(int layer);

  const TRect& Selection() const { return selection_.Selection(); }
  SelectionKind Kind() const { return selection_.Kind(); }
  PointerState State() const { return selection_.State(); }
  // Clamped to the field; refreshes the position texts and the summary.
  void Select(int left, int top, int right, int bottom);
  void SelectAll();
  void GoToCell(int column, int row);
  const SelectionSummary& Summary() const { return summary_; }
  // The cell the arrow keys move from.
  int CursorColumn() const { return selection_.CursorColumn(); }
  int CursorRow() const { return selection_.CursorRow(); }
  // What the key at (column, row) does on the shown layer, in words.
  QString SpokenText(int column, int row) const;

  // Selects and shows the key that carries the bookmark; false when none does.
  bool GoToMark(const std::string& cp1251Name);

  // Pixel geometry, for tests and the layout window.
  static constexpr int kNormalKeySize = 25;
  static constexpr int kHighKeySize = 55;
  int KeySize() const { return viewMode_ == 0 ? kNormalKeySize : kHighKeySize; }
  static constexpr int kHeaderSize = 25;
  // The room for a line of key text in high view.
  static constexpr int KeyTextWidth() { return kHighKeySize - 5; }
  QRect CellRect(int column, int row) const;
  // (column, row) under the point, 0 for the headers; false outside every cell.
  bool CellAt(const QPoint& point, int& column, int& row) const;

  void OnDocumentNotification(DocumentNotification kind, int param1, int param2) override;

 signals:
  void PositionChanged(const QString& position, const QString& caption);
  void MoveTextChanged(const QString& text);
  void CellHovered(int column, int row);
  void SelectionChanged();
  void KeyDoubleClicked();
  void CopyRequested();
  void PasteRequested();
  void ClearRequested();
  void DocumentChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  bool viewportEvent(QEvent* event) override;

 private:
  void PaintCell(QPainter& painter, int column, int row, const QRect& rect) const;
  // glyphs: the key's top-left corner holds note, bookmark or master glyphs.
  void PaintKeyContent(QPainter& painter, const TMacroButton& key, const QRect& rect,
                       bool selected, bool glyphs) const;
  // Draws the text with its top-left corner at the point, in the painter's font,
  // which is keyFont_ when keyFont is set. Laid-out texts are kept: shaping the
  // same key texts again on every paint would cost most of the paint.
  void DrawText(QPainter& painter, const QPoint& topLeft, const QString& text,
                bool keyFont = false) const;
  void UpdateScrollBars();
  int VisibleColumns() const;
  int VisibleRows() const;
  void ExtendSelectionTo(const QPoint& point);
  void UpdateMoveTarget(const QPoint& point);
  void FinishMove(const QPoint& point);
  void CancelMove();
  void PopupFor(const QPoint& point);
  void OnTimer();
  void SelectionUpdated();
  void RefreshPositionTexts();

  std::unique_ptr<TVL2Document> document_;
  const SettingsStore& settings_;
  IPrompt& prompt_;
  Menus menus_;
  int viewMode_ = 1;
  int shownLayer_ = kAllLayers;
  GridSelection selection_;
  std::optional<BusyScope> moveBusy_;  // postpones autosave while a block is held
  QPoint lastPointer_;
  QTimer scrollTimer_;
  SelectionSummary summary_;
  GridColours colours_;  // taken at each paint: the setting or the desktop may change
  QFont keyFont_;  // the small font of the key texts in high view
  mutable QHash<QString, QStaticText> texts_[2];  // in the widget's font, in keyFont_
};

}  // namespace vl
