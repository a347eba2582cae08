// The adapter's side of the conversation with panels: four request types that any panel may send, and the
// answers, which go to every panel listening for their type.
#ifndef EVENTBRIDGE_ADAPTERPROTOCOL_H
#define EVENTBRIDGE_ADAPTERPROTOCOL_H

#include <cstdint>
#include <string>

// Registers the four request listeners, in protocol order; the first refusal stops the chain and is returned.
int32_t RegisterRequestListeners();
// Sends one adapter event: scope 0, sender "PNDK", no extension, so that it reaches every listener of its type.
int32_t SendAdapterEvent(const std::string& type, const std::string& data);

#endif
