// The ten driver functions as pointers, bound from a loaded library by their plain names.
#pragma once
#include "telmor.h"

#include <windows.h>

#include <string>
#include <vector>

typedef int32_t (*DrvOpenFn)();
typedef int32_t (*DrvCloseFn)();
typedef int32_t (*DrvGetInfoExFn)(DrvInfoEx*);
typedef int32_t (*DrvGetFeaturesFn)(DrvFeatures*);
typedef int32_t (*DrvSetParameterFn)(DrvFeatures*);
typedef int32_t (*DrvStartScanFn)();
typedef int32_t (*DrvGetImageFn)(DrvImageBlock*);
typedef int32_t (*DrvStopScanFn)();
typedef int32_t (*DrvHomeCarriageFn)(int32_t);
typedef int32_t (*DrvGetWarmupRemainTimeFn)();

// A null pointer stands for a function the library does not export.
struct DriverApi {
    DrvOpenFn pOpen = nullptr;
    DrvCloseFn pClose = nullptr;
    DrvGetInfoExFn pGetInfoEx = nullptr;
    DrvGetFeaturesFn pGetFeatures = nullptr;
    DrvSetParameterFn pSetParameter = nullptr;
    DrvStartScanFn pStartScan = nullptr;
    DrvGetImageFn pGetImage = nullptr;
    DrvStopScanFn pStopScan = nullptr;
    DrvHomeCarriageFn pHomeCarriage = nullptr;
    DrvGetWarmupRemainTimeFn pGetWarmupRemainTime = nullptr;
};

DriverApi BindDriverApi(HMODULE hModule);

// The names of the functions the api lacks, in the interface's order.
std::vector<std::string> MissingFunctions(const DriverApi& api);
