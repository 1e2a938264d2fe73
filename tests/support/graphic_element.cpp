#include "support/graphic_element.h"

#include <gtest/gtest.h>

#include "support/bytes.h"
#include "support/pictures.h"

namespace vxcl::test {

GraphicElement ParseGraphicElement(std::string_view body) {
  GraphicElement e;
  const std::size_t hAt = body.find("\x1bH", 3);
  const std::size_t vAt = body.find("\x1bV", hAt);
  const std::size_t gAt = body.find("\x1bGB", vAt);
  if (hAt != 3 || vAt == std::string::npos || gAt == std::string::npos) {
    ADD_FAILURE() << "not a graphic element: " << Show(body.substr(0, 40));
    return e;
  }
  e.prefix = body.substr(0, 3);
  e.h = std::stoll(std::string(body.substr(hAt + 2, vAt - hAt - 2)));
  e.v = std::stoll(std::string(body.substr(vAt + 2, gAt - vAt - 2)));
  e.header = body.substr(gAt, 9);
  e.bitmap = ReadGraphic(body.substr(gAt));
  return e;
}

}  // namespace vxcl::test
