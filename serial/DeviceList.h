#pragma once
// The component's list of serial ports: one entry per port number, ascending.
#include <cstdint>
#include <string>
#include <vector>

namespace orvanta::serial {

// A port as the operating system reports it, before it is numbered.
struct FoundPort {
    std::string name;          // device name as found: ttyUSB0, rfcomm0, COM3
    std::string path;          // what open() takes: /dev/ttyUSB0
    std::string description;   // product or model text, may be empty
    std::string manufacturer;
    std::string driver;        // kernel driver
};

// One entry of the device list.
struct TnrDevice {
    int Index = -1;            // position in the list
    int32_t Data = 0;          // port number: n for COMn, 4097, 4098, ... otherwise
    std::string NameFriendly;  // shown in the selector: name, then " (description)" if known
    std::string NameDeviceDos; // the name as found
    std::string PortName;      // what the component opens
    std::string Description;
    std::string Manufacturer;
    std::string Service;
};

constexpr int32_t kFirstUnnumberedPort = 4097;

// Port number of a name of the form COMn (any case, surrounding blanks ignored), or -1.
int32_t comPortNumber(const std::string& name);

// Orders names as a person would: ttyUSB2 before ttyUSB10.
bool naturalLess(const std::string& a, const std::string& b);

// Whether two device paths name the same port (equal, or the same file once symbolic
// links such as /dev/serial/by-id/... are resolved).
bool samePortPath(const std::string& a, const std::string& b);

// Inserts in ascending Data order; an entry whose Data is already present is dropped
// (the first one found wins). Returns whether it was added.
bool addDeviceSorted(std::vector<TnrDevice>& list, TnrDevice device);

// Builds the entries for ports in the order given: COMn gets n, any other name the
// next of 4097, 4098, ... (counted per build).
void appendDevices(std::vector<TnrDevice>& list, const std::vector<FoundPort>& ports);

}  // namespace orvanta::serial
