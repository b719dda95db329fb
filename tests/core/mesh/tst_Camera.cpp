#include "core/mesh/Camera.h"

#include <gtest/gtest.h>

TEST(Camera, StartValuesAndDrags) {
    Camera camera;
    EXPECT_EQ(camera.CameraDistance, -600.0f);
    EXPECT_EQ(camera.CameraElevation, 35.0f);
    EXPECT_EQ(camera.CameraAzimuth, 0.0f);

    // Left button: 0.9 degrees per pixel; dragging left turns positive azimuth.
    DragCamera(camera, DragLeftButton, 100, 90, 50, 60);
    EXPECT_FLOAT_EQ(camera.CameraAzimuth, 9.0f);
    EXPECT_FLOAT_EQ(camera.CameraElevation, 26.0f);
    EXPECT_EQ(camera.CameraDistance, -600.0f);

    // Right button: 10 down and 10 right cancel out; down or left moves the eye away.
    DragCamera(camera, DragRightButton, 100, 110, 50, 60);
    EXPECT_EQ(camera.CameraDistance, -600.0f);
    DragCamera(camera, DragRightButton, 100, 100, 50, 60);
    EXPECT_EQ(camera.CameraDistance, -620.0f);
    DragCamera(camera, DragRightButton, 100, 95, 50, 50);
    EXPECT_EQ(camera.CameraDistance, -630.0f);
    EXPECT_FLOAT_EQ(camera.CameraAzimuth, 9.0f);

    const Camera before = camera;
    for (int buttons : {0, 1, 4, 5})
        DragCamera(camera, buttons, 0, 500, 0, 500);
    EXPECT_EQ(camera.CameraDistance, before.CameraDistance);
    EXPECT_EQ(camera.CameraAzimuth, before.CameraAzimuth);
    EXPECT_EQ(camera.CameraElevation, before.CameraElevation);
}

TEST(Camera, ClampAndWrapOncePerFrame) {
    Camera camera;
    DragCamera(camera, DragLeftButton, 0, 0, 0, 100); // elevation 35 - 90 = -55
    EXPECT_FLOAT_EQ(camera.CameraElevation, -55.0f);  // no limit while dragging
    ClampAndWrapCamera(camera);
    EXPECT_EQ(camera.CameraElevation, 5.0f);
    camera.CameraElevation = 190.0f;
    ClampAndWrapCamera(camera);
    EXPECT_EQ(camera.CameraElevation, 175.0f);

    camera.CameraAzimuth = 370.0f;
    ClampAndWrapCamera(camera);
    EXPECT_FLOAT_EQ(camera.CameraAzimuth, 10.0f);
    camera.CameraAzimuth = -10.0f;
    ClampAndWrapCamera(camera);
    EXPECT_FLOAT_EQ(camera.CameraAzimuth, 350.0f);
    camera.CameraAzimuth = 800.0f; // one wrap per frame
    ClampAndWrapCamera(camera);
    EXPECT_FLOAT_EQ(camera.CameraAzimuth, 440.0f);
    for (float stays : {0.0f, 360.0f}) {
        camera.CameraAzimuth = stays;
        ClampAndWrapCamera(camera);
        EXPECT_EQ(camera.CameraAzimuth, stays);
    }
}
