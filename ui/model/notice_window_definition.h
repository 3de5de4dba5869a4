#pragma once

#include "ui/model/ids.h"
#include "ui/model/unit.h"

namespace korvane::model {

inline constexpr WindowId kNoticeWindowId = 0x52010303;
inline constexpr UnitId kNoticeWindowUnitId = 0x06010302;
inline constexpr UnitId kConfirmHotAreaId = 0x16011D11;  // 透明标签_确定

// The notice window 窗口2: its own unit and the hot area over its drawn OK
// button.
WindowDefinition noticeWindowDefinition();

}  // namespace korvane::model
