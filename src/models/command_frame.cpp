#include "models/command_frame.h"

#include "job/commands.h"

namespace vxcl {

std::string CommandFrame(std::string_view text) {
  std::string frame{STX, ESC, 'A', ESC};
  frame.reserve(frame.size() + text.size() + 3);
  frame += text;
  frame += std::string{ESC, 'Z', ETX};
  return frame;
}

std::string LabelOpening() { return std::string{STX, ESC, 'A'}; }

std::string PrintAreaFrame(bool longLabel) {
  return CommandFrame(longLabel ? "EX0" : "AR");
}

std::string LabelSizeFrame(int heightDots) {
  return CommandFrame("A1" + ZeroPadded(heightDots, 4) + "0832");
}

}  // namespace vxcl
