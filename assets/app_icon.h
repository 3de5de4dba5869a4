#pragma once

class QIcon;

namespace korvane::assets {

// The application icon at 32 × 32 and 16 × 16, loaded once per run on first
// use. Needs a running QGuiApplication.
const QIcon& applicationIcon();

}  // namespace korvane::assets
