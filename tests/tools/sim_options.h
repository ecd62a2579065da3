#pragma once

#include <string>
#include <vector>

// What the simulated instrument was asked to do, from its command line.
struct SimOptions
{
    enum class Mode { Help, Send, Receive };
    Mode mode = Mode::Help;
    long waitMs = 0;     // how long to wait for a program to open the port; 0: no limit

    // send
    std::string file;
    long baud = 9600;    // 0: as fast as the line takes it
    bool leadingEot = false;
    std::vector<long> nulAt; // a NUL goes out before the file's byte at each of these offsets
    long pauseAfter = -1;
    long pauseMs = 0;
    bool eot = true;
    long delayMs = 0;
    long lingerMs = 30000; // after the last byte, how long to wait for the program to close the port
    long hangUpAfter = -1; // send: hang up (close the line) after this many of the file's bytes

    // receive
    std::string out;
    bool dc1Each = false;
    long dc3After = 0;   // 0: never
    bool silent = false;
    bool initialDc1 = false;
    long timeoutMs = 15000; // silence that ends a receive
    long hangUpAfterLines = 0; // receive: hang up after this many lines; 0: never
};

// Parses the words after the program name; on a mistake gives false and a one-line reason.
bool ParseSimOptions(int argc, char** argv, SimOptions& options, std::string& error);

// The text --help prints.
const char* SimUsage();
