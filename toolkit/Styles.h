#pragma once
// Small enumerations shared by several controls.

namespace twindir::toolkit {

// Controls use None and Single; a form also Sizeable (the user may resize it).
enum class BorderStyle { None, Single, Sizeable };
enum class ScrollBars { None, Vertical, Horizontal, Both };
enum class Alignment { Left, Right, Center };
enum class BevelKind { None, Lowered, Raised };
enum class MouseButton { Left, Right, Middle };

[[nodiscard]] const char* ToString(BorderStyle style);
[[nodiscard]] const char* ToString(ScrollBars bars);
[[nodiscard]] const char* ToString(Alignment alignment);
[[nodiscard]] const char* ToString(BevelKind kind);

}  // namespace twindir::toolkit
