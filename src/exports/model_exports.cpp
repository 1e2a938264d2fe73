// CX208 and CT400 job starts, and the maintenance jobs sent at once.
#include "exports/export_guard.h"
#include "exports/host_values.h"
#include "job/label_batch.h"
#include "models/ct400_job_start.h"
#include "models/ct_default_settings.h"
#include "models/cx208_job_start.h"
#include "models/cx_calibration.h"
#include "platform/platform.h"
#include "vxclcmd.h"

using namespace vxcl;

extern "C" {

VXCL_API int VXCL_CALL PrnInitCX208(const char* printerName, int darkness,
                                    int speed, int cpSetting, int ciSetting,
                                    int ceSetting, int cdSetting1,
                                    int cdSetting2, int cbSetting,
                                    double labelWidth, double labelHeight,
                                    double shift) {
  return GuardedJobStart("PrnInitCX208", [&] {
    const CxSettings settings{cpSetting,  ciSetting,  ceSetting,
                              cdSetting1, cdSetting2, cbSetting};
    return OpenCx208Job(TheJob(), CurrentPlatform(), HostString(printerName),
                        darkness, speed, settings, labelWidth, labelHeight,
                        shift);
  });
}

VXCL_API int VXCL_CALL PrnInitCT400(const char* printerName,
                                    char darknessLetter, int darkness,
                                    int speed, int phSetting, int pmSetting,
                                    int yeSetting, int igSetting, int poSetting,
                                    double labelWidth, double labelHeight,
                                    double shift) {
  return GuardedJobStart("PrnInitCT400", [&] {
    const Ct400Settings settings{darknessLetter, darkness,  speed,
                                 phSetting,      pmSetting, yeSetting,
                                 igSetting,      poSetting};
    return OpenCt400Job(TheJob(), CurrentPlatform(), HostString(printerName),
                        settings, labelWidth, labelHeight, shift);
  });
}

VXCL_API int VXCL_CALL PrnCXCalibrate(const char* printerName,
                                      double labelHeight, int cpSetting,
                                      int ciSetting, int ceSetting,
                                      int cdSetting1, int cdSetting2,
                                      int cbSetting) {
  return Guarded("PrnCXCalibrate", VXCL_INTERNAL_FAILURE, [&] {
    const CxSettings settings{cpSetting,  ciSetting,  ceSetting,
                              cdSetting1, cdSetting2, cbSetting};
    if (Outcome refused = TheBatch().RefuseWhileOpen();
        refused.code != VXCL_OK)
      return refused;
    return SendCxCalibration(TheJob(), CurrentPlatform(),
                             HostString(printerName), labelHeight, settings);
  });
}

VXCL_API int VXCL_CALL PrnCTDefault(const char* printerName, int setting1,
                                    int setting2, int setting3, int setting4,
                                    int setting5, int setting6, int setting7,
                                    int setting8, int setting9, int setting10,
                                    int setting11, int setting12, int setting13,
                                    int setting14, int setting15, int setting16,
                                    int setting17, int setting18, int setting19,
                                    int setting20, int setting21) {
  return Guarded("PrnCTDefault", VXCL_INTERNAL_FAILURE, [&] {
    const CtSettings settings{
        setting1,  setting2,  setting3,  setting4,  setting5,  setting6,
        setting7,  setting8,  setting9,  setting10, setting11, setting12,
        setting13, setting14, setting15, setting16, setting17, setting18,
        setting19, setting20, setting21};
    if (Outcome refused = TheBatch().RefuseWhileOpen();
        refused.code != VXCL_OK)
      return refused;
    return SendCtDefaults(TheJob(), CurrentPlatform(), HostString(printerName),
                          settings);
  });
}

}  // extern "C"
