#include "instutils/InstUtils.h"

#include "platform/Handles.h"
#include "platform/WideText.h"

#include <windows.h>
#include <winioctl.h>

namespace instutils {
namespace {

static_assert(IOCTL_STORAGE_QUERY_PROPERTY == 0x2D1400, "storage property query code");

constexpr size_t kQuerySize = 12;          // STORAGE_PROPERTY_QUERY, StorageDeviceProperty, standard query
constexpr size_t kDescriptorSize = 548;    // room for a STORAGE_DEVICE_DESCRIPTOR with its texts
constexpr size_t kSizeOffset = 4;
constexpr size_t kRemovableMediaOffset = 10;
constexpr size_t kBusTypeOffset = 28;
constexpr uint32_t kBusType1394 = 4;
constexpr uint32_t kBusTypeUsb = 7;

uint32_t ReadLittleEndian32(const unsigned char* bytes) {
    return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

// USB and FireWire disks count as removable even where Windows calls them fixed.
bool VolumeSaysRemovable(const std::string& path) {
    platform::UniqueFile volume(::CreateFileW(platform::ToWide("\\\\.\\" + DrivePart(path)).c_str(), GENERIC_READ,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!volume) return false;
    unsigned char query[kQuerySize] = {};
    unsigned char descriptor[kDescriptorSize] = {};
    descriptor[kSizeOffset] = kDescriptorSize & 0xFF;
    descriptor[kSizeOffset + 1] = kDescriptorSize >> 8;
    DWORD returned = 0;
    if (!::DeviceIoControl(volume.get(), IOCTL_STORAGE_QUERY_PROPERTY, query, sizeof query, descriptor,
                           sizeof descriptor, &returned, nullptr))
        return false;
    return DescriptorSaysRemovable(descriptor, sizeof descriptor);
}

} // namespace

bool DescriptorSaysRemovable(const unsigned char* descriptor, size_t size) {
    if (!descriptor || size < kBusTypeOffset + 4) return false;
    const uint32_t busType = ReadLittleEndian32(descriptor + kBusTypeOffset);
    return descriptor[kRemovableMediaOffset] != 0 || busType == kBusType1394 || busType == kBusTypeUsb;
}

bool IsRemovableDrive(const std::string& path) {
    const uint32_t type = DriveTypeOf(path);
    if (type == DRIVE_REMOVABLE) return true;
    if (type != DRIVE_FIXED) return false;
    return VolumeSaysRemovable(path);
}

} // namespace instutils
