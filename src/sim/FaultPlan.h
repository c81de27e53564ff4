#pragma once

#include <cstdint>
#include <map>

// What can go wrong with one reply of the simulated adapter.
enum class TReplyFault {
    None,
    Drop,       // the request is carried out, the reply never comes
    WrongFirst, // the reply starts with 0x00 in place of 0xA5
    Truncate,   // the reply stops after 0xA5 and fewer payload bytes than due
    Flip,       // one bit of one payload byte is inverted
    Nak,        // a write or clock setting is refused (acknowledgement 0); other replies pass
};

// Seeded, reproducible faults of the simulated adapter. Replies are numbered from 1 in the
// order the adapter produces them; a dropped reply counts as produced.
struct TFaultPlan {
    uint32_t Seed = 1;

    // Per reply; at most one fault per reply, drawn in the order of the fields.
    double DropProbability = 0;
    double WrongFirstProbability = 0;
    double TruncateProbability = 0;
    double FlipProbability = 0;
    double NakProbability = 0;

    // A fixed fault for reply number N; it wins over the drawn one.
    std::map<int, TReplyFault> AtReply{};

    // The adapter vanishes from the bus after this many replies (0 = never): the last one
    // still reaches the PC, the next request finds no adapter.
    int VanishAfter = 0;
    // The Connector is pulled out of the adapter after this many replies (0 = never).
    int PullAfter = 0;
    // Worn cells: StuckCount bytes from address StuckAt read as 0 whatever was written.
    int StuckAt = 0;
    int StuckCount = 0;
    // The adapter sends junk without end, so the receive queue never empties; its replies
    // are lost in it, and the junk never holds the byte that starts a reply.
    bool Junk = false;
};
