// markplug's property list as the host reads it, written out byte by byte.
#ifndef MARKPLUG_TESTS_EXPECTEDPIPL_H
#define MARKPLUG_TESTS_EXPECTEDPIPL_H

#include <vector>

inline const std::vector<unsigned char> kExpectedPipl = {
    0x01, 0x00,                                      // version 1
    0x00, 0x00, 0x00, 0x00,                          // 0
    0x04, 0x00, 0x00, 0x00,                          // four properties
    'T',  'S',  'L',  'V',  'd',  'n',  'i',  'k',   // 'VLST' 'kind'
    0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00,  // id 0, length 4
    'A',  'E',  'B',  'Z',                           // 'ZBEA'
    'T',  'S',  'L',  'V',  's',  'r',  'v',  'i',   // 'VLST' 'ivrs'
    0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00,  // id 0, length 4
    0x02, 0x00, 0x00, 0x00,                          // 2
    'T',  'S',  'L',  'V',  '6',  '8',  'x',  'w',   // 'VLST' 'wx86'
    0x00, 0x00, 0x00, 0x00, 0x0C, 0x00, 0x00, 0x00,  // id 0, length 12
    'P',  'l',  'u',  'g',  'i',  'n',  'M',  'a',  'i',  'n',
    0x00, 0x00, 'T',  'S',  'L',  'V',  'm',  'n',  'i',  'p',  // 'VLST' 'pinm'
    0x00, 0x00, 0x00, 0x00, 0x14, 0x00, 0x00, 0x00,             // id 0, length 20
    'T',  'a',  'l',  'v',  'e',  'x',  'P',  'l',  'u',  'g',
    'i',  'n',  'D',  'i',  'a',  'l',  'o',  'g',  0x00, 0x00,
};

#endif
