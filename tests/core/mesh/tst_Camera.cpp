#include "core/mesh/Camera.h"

#include <gtest/gtest.h>

TEST(Camera, ClampAndWrapOncePerFrame) {
    Camera camera;
    DragCamera(camera, DragLeftButton, 0, 0, 0, 100);
    EXPECT_FLOAT_EQ(camera.CameraElevation, -55.0f); // no limit while dragging
    ClampAndWrapCamera(camera);
    EXPECT_EQ(camera.CameraElevation, 5.0f);
    // Elevation 190 drops to 175; azimuth below 0 gains 360, above 360 loses it, once a
    // frame; 0 and 360 stay.
    camera.CameraElevation = 190.0f;
    const float cases[][2] = {{370, 10}, {-10, 350}, {800, 440}, {0, 0}, {360, 360}};
    for (const auto& c : cases) {
        camera.CameraAzimuth = c[0];
        ClampAndWrapCamera(camera);
        EXPECT_FLOAT_EQ(camera.CameraAzimuth, c[1]);
        EXPECT_EQ(camera.CameraElevation, 175.0f);
    }
}
