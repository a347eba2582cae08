// The plug-in property list: what the host reads from a module file before it loads it.
#ifndef HOST_PIPL_H
#define HOST_PIPL_H

#include <cstdint>
#include <string>
#include <vector>

namespace host {

struct PluginProperties {
    int32_t kind = 0;
    int32_t interfaceVersion = 0;
    std::string entryPoint;  // the exported function the host calls
    std::string name;        // the plug-in's name in the host
};

// Parses property-list bytes. Returns an empty text on success, otherwise what is wrong and at which byte
// offset; properties is then unspecified. Unknown properties are skipped; kind, version, entry point and name
// must all be present and the kind and version must be the host's.
std::string ParsePluginProperties(const std::vector<unsigned char>& bytes, PluginProperties& properties);

}  // namespace host

#endif
