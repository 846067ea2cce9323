#pragma once

#include <cstdint>
#include <string>

#include "platform/ui/editable_line.h"
#include "platform/ui/theme.h"
#include "platform/ui/widget.h"

namespace orvo::ui {

// What a field holds, for input methods and on-screen keyboards; only `Password`
// changes what the field itself does.
enum class InputKind : std::uint8_t {
  Plain = 0,
  PersonalName = 1,
  Email = 2,
  UserName = 3,
  Password = 4,
  HostName = 5,
  Number = 6,
};

// A one-line editable text field. Its owner places it, gives and takes the focus and
// draws the frame around it; the field draws its text, placeholder, selection and
// caret inside its rectangle and, while focused, takes keys, input-method
// composition and pointer presses. A password field shows one bullet per character
// and never lets its text out: not on screen, not to assistive technology, not to
// the clipboard.
class TextInput : public Widget {
 public:
  static TextInput local(const Theme& theme);
  TextInput with_initial_value(std::string_view text) &&;
  TextInput with_kind(InputKind kind) &&;
  TextInput with_placeholder(std::string placeholder) &&;

  [[nodiscard]] const std::string& text() const { return line_.text(); }
  // Replaces the text from the program: the caret goes to its end, and the change
  // is not reported by `changed`.
  void set_text(std::string_view text);
  [[nodiscard]] InputKind kind() const { return kind_; }
  [[nodiscard]] bool masked() const { return kind_ == InputKind::Password; }
  [[nodiscard]] const std::string& placeholder() const { return placeholder_; }
  [[nodiscard]] const EditableLine& line() const { return line_; }
  [[nodiscard]] const std::string& preedit() const { return preedit_; }

  [[nodiscard]] bool focused() const { return focused_; }
  // Losing the focus abandons an unfinished composition.
  void set_focused(bool focused);

  // Set by every edit the user makes, until the owner has read the text again.
  [[nodiscard]] bool changed() const { return changed_; }
  void clear_changed() { changed_ = false; }

  // For owners that place the field themselves instead of through the layout tree.
  void apply_layout_external(const Rect& rect);
  [[nodiscard]] const Rect& rect() const { return rect_; }

  void apply_layout(const LayoutTree& tree, NodeId node, Point parent_origin) override;
  void draw(Canvas& canvas) override;
  EventOutcome handle_event(const Event& event, const FrameContext& context) override;
  [[nodiscard]] bool accepts_text_input() const override { return focused_; }
  [[nodiscard]] std::optional<AccessNode> accessibility() const override;
  bool perform_semantic_action(const SemanticAction& action, const FrameContext& context) override;
  [[nodiscard]] bool is_dirty() const override { return dirty_; }
  void clear_dirty() override { dirty_ = false; }
  [[nodiscard]] std::string_view type_name() const override { return "TextInput"; }

 private:
  explicit TextInput(const Theme& theme) : theme_(&theme) {}

  EventOutcome handle_key(const KeyPress& key);
  EventOutcome move_caret(EditableLine::Motion motion, bool extend);
  EventOutcome handle_command(const KeyPress& key);
  // False when there is nothing the field may copy.
  bool copy_selection() const;
  EventOutcome handle_composition(const Composition& composition);
  EventOutcome handle_press(const PointerPress& press, const TextRenderer& text);
  EventOutcome handle_drag(const PointerMove& move, const TextRenderer& text);
  EventOutcome handle_release();
  // Marks the field for redrawing, and as changed when the text changed.
  EventOutcome updated(bool text_changed);

  [[nodiscard]] std::string shown(std::string_view part) const;
  [[nodiscard]] double x_of(const TextRenderer& text, std::size_t offset) const;
  [[nodiscard]] double caret_x(const TextRenderer& text) const;
  [[nodiscard]] std::size_t offset_at(const TextRenderer& text, double x) const;
  void scroll_to_caret(const TextRenderer& text);
  void draw_line(Canvas& canvas, Point origin, double height) const;

  const Theme* theme_;
  InputKind kind_ = InputKind::Plain;
  std::string placeholder_;
  EditableLine line_;
  std::string preedit_;
  Rect rect_;
  double scroll_ = 0;  // how far the text is shifted left to keep the caret in view
  bool focused_ = false;
  bool dragging_ = false;
  bool changed_ = false;
  bool dirty_ = true;
};

}  // namespace orvo::ui
