#pragma once
// Small vector files (points, lines, polygons with attributes) written through OGR for the
// geographic data tests.

#include <gdal.h>
#include <ogr_api.h>
#include <ogr_srs_api.h>

#include <string>
#include <vector>

struct SyntheticField {
    std::string name;
    std::string value;
    bool number = false;
};

struct SyntheticFeature {
    std::string wkt;
    std::vector<SyntheticField> fields;
};

// Writes one layer in the given coordinate system with the driver ("GeoJSON", "GPKG", ...);
// the fields are those of the first feature. False when OGR refuses.
inline bool WriteSyntheticVector(const std::string& path, const char* driver, int epsg,
                                 const std::vector<SyntheticFeature>& features) {
    GDALAllRegister();
    GDALDatasetH dataset =
        GDALCreate(GDALGetDriverByName(driver), path.c_str(), 0, 0, 0, GDT_Unknown, nullptr);
    if (!dataset)
        return false;
    OGRSpatialReferenceH srs = OSRNewSpatialReference(nullptr);
    OSRImportFromEPSG(srs, epsg);
    OGRLayerH layer = GDALDatasetCreateLayer(dataset, "features", srs, wkbUnknown, nullptr);
    OSRDestroySpatialReference(srs);
    bool ok = layer != nullptr;
    for (const SyntheticField& field :
         features.empty() ? std::vector<SyntheticField>{} : features[0].fields) {
        OGRFieldDefnH definition =
            OGR_Fld_Create(field.name.c_str(), field.number ? OFTReal : OFTString);
        ok = ok && OGR_L_CreateField(layer, definition, TRUE) == OGRERR_NONE;
        OGR_Fld_Destroy(definition);
    }
    for (const SyntheticFeature& feature : features) {
        if (!ok)
            break;
        OGRFeatureH made = OGR_F_Create(OGR_L_GetLayerDefn(layer));
        for (const SyntheticField& field : feature.fields)
            OGR_F_SetFieldString(made, OGR_F_GetFieldIndex(made, field.name.c_str()),
                                 field.value.c_str());
        OGRGeometryH geometry = nullptr;
        char* wkt = const_cast<char*>(feature.wkt.c_str());
        ok = OGR_G_CreateFromWkt(&wkt, nullptr, &geometry) == OGRERR_NONE &&
             OGR_F_SetGeometryDirectly(made, geometry) == OGRERR_NONE &&
             OGR_L_CreateFeature(layer, made) == OGRERR_NONE;
        OGR_F_Destroy(made);
    }
    GDALClose(dataset);
    return ok;
}
