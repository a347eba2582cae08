// The payloads of the panel events that carry no crop data: the redraw request, the preview information and a
// message number. The crop lists and the crop corner are written by the crop marks side.
#ifndef MARKPLUG_PANELPAYLOADS_H
#define MARKPLUG_PANELPAYLOADS_H

#include <cstdint>
#include <string>
#include <vector>

// "<payload></payload>".
std::string RedrawPayload();
// Whether crop marks exist ("1" or "0") and the indexes, separated by "," without spaces (empty when none).
std::string PreviewInfoPayload(bool existCropMark, const std::vector<int32_t>& indexes);
// The number of a message the panel shows.
std::string MessagePayload(int32_t number);

#endif
