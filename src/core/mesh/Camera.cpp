#include "core/mesh/Camera.h"

#include <algorithm>

void DragCamera(Camera& camera, int buttons, int oldX, int newX, int oldY, int newY) {
    const int dx = oldX - newX;
    const int dy = newY - oldY;
    if (buttons == DragLeftButton) {
        // Computed in double precision and stored as single.
        camera.CameraAzimuth = static_cast<float>(camera.CameraAzimuth + dx * 180.0 / 200.0);
        camera.CameraElevation = static_cast<float>(camera.CameraElevation - dy * 180.0 / 200.0);
    } else if (buttons == DragRightButton) {
        camera.CameraDistance -= static_cast<float>(2 * (dy + dx));
    }
}

void ClampAndWrapCamera(Camera& camera) {
    camera.CameraElevation = std::clamp(camera.CameraElevation, 5.0f, 175.0f);
    if (camera.CameraAzimuth < 0.0f)
        camera.CameraAzimuth += 360.0f;
    else if (camera.CameraAzimuth > 360.0f)
        camera.CameraAzimuth -= 360.0f;
}
