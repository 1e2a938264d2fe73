#include "models/cx_settings.h"

#include "job/commands.h"
#include "models/checked_setting.h"
#include "models/command_frame.h"

namespace vxcl {

std::string CxSettingFrames(CxSettings s, CheckCode& code) {
  s.cp = CheckedSetting("CpSetting", s.cp, {0, 1, 1, VXCL_CX_CP_CT_PM}, code);
  s.ci = CheckedSetting("CiSetting", s.ci, {0, 2, 0, VXCL_CX_CI_CT_IG}, code);
  s.ce = CheckedSetting("CeSetting", s.ce, {0, 1, 0, VXCL_CX_CE}, code);
  s.cd1 = CheckedSetting("CdSetting1", s.cd1, {0, 400, 200, VXCL_CX_CD1}, code);
  s.cd2 =
      CheckedSetting("CdSetting2", s.cd2, {0, 6000, 3300, VXCL_CX_CD2}, code);
  s.cb =
      CheckedSetting("CbSetting", s.cb, {-98, 98, 19, VXCL_CX_CB_CT_PO}, code);
  // The "CB" value carries its sign always, "+" for zero as well.
  const std::string cb =
      (s.cb < 0 ? "-" : "+") + Decimal(s.cb < 0 ? -s.cb : s.cb);
  return CommandFrame("CP" + Decimal(s.cp)) +
         CommandFrame("CI" + Decimal(s.ci)) +
         CommandFrame("CE" + Decimal(s.ce)) +
         CommandFrame("CD" + ZeroPadded(s.cd1, 3) + "," +
                      ZeroPadded(s.cd2, 4)) +
         CommandFrame("CB" + cb);
}

}  // namespace vxcl
