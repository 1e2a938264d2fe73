// The framed commands that make up the CX208 and CT400 job headers and the
// maintenance streams: each setting travels in a frame of its own.
#ifndef VXCL_MODELS_COMMAND_FRAME_H
#define VXCL_MODELS_COMMAND_FRAME_H

#include <string>
#include <string_view>

namespace vxcl {

// STX ESC "A" ESC, the command text, ESC "Z" ETX.
std::string CommandFrame(std::string_view text);

// STX ESC "A": opens the label block that ends a model's job header.
std::string LabelOpening();

// The print-area frame: "EX0" for labels longer than 178 mm, else "AR".
std::string PrintAreaFrame(bool longLabel);

// "A1", the label length in dots with at least four digits, and the fixed
// print width "0832", whatever the label's own width.
std::string LabelSizeFrame(int heightDots);

}  // namespace vxcl

#endif
