#include "core/mesh/Camera.h"

#include <gtest/gtest.h>

TEST(Camera, DragsTurnOrMoveTheEye) {
    Camera camera;
    EXPECT_EQ(camera.CameraDistance * 1000 + camera.CameraElevation, -600000.0f + 35.0f);
    // Left button: 0.9 degrees per pixel; dragging left adds azimuth, down lowers elevation.
    DragCamera(camera, DragLeftButton, 100, 90, 50, 60);
    EXPECT_FLOAT_EQ(camera.CameraAzimuth, 9.0f);
    EXPECT_FLOAT_EQ(camera.CameraElevation, 26.0f);
    EXPECT_EQ(camera.CameraDistance, -600.0f);
    // Right button: 10 down and 10 right cancel out; down or left moves the eye away.
    DragCamera(camera, DragRightButton, 100, 110, 50, 60);
    EXPECT_EQ(camera.CameraDistance, -600.0f);
    DragCamera(camera, DragRightButton, 100, 95, 50, 60);
    EXPECT_EQ(camera.CameraDistance, -630.0f);
    EXPECT_FLOAT_EQ(camera.CameraAzimuth, 9.0f);
    for (int buttons : {0, 1, 4})
        DragCamera(camera, buttons, 0, 500, 0, 500);
    EXPECT_EQ(camera.CameraDistance, -630.0f);
    EXPECT_FLOAT_EQ(camera.CameraAzimuth + camera.CameraElevation, 35.0f);
}

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
