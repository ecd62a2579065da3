#include "sim_options.h"

#include <cstdlib>
#include <cstring>

namespace
{
bool ParseNumber(const char* text, long low, long& value)
{
    char* end = nullptr;
    const long parsed = std::strtol(text, &end, 10);
    if (!*text || *end || parsed < low)
        return false;
    value = parsed;
    return true;
}
} // namespace

const char* SimUsage()
{
    return R"(merion-sim: a simulated total station on a pseudo-terminal.

It opens a pseudo-terminal and prints the path of the port on its first output line, then
waits until a program opens that port (for example `merion-cli download --instrument t5
--device PATH`, or MERION_COM1=PATH merion) and plays the instrument. Progress follows on
further lines.

usage:
  merion-sim send FILE [--baud N] [--leading-eot] [--nul-at K]... [--pause-after K --pause-ms M]
                       [--no-eot] [--delay-ms D] [--linger-ms L] [--hang-up-after K] [--wait-ms W]
      Sends the bytes of FILE as the instrument's download, paced at N baud (10 bits per
      byte; default 9600; 0 sends as fast as the line takes them), then EOT (0x04).
      --leading-eot      send one EOT before the data
      --nul-at K         send a NUL byte before the file's byte at offset K (repeatable)
      --pause-after K    stop for M ms (--pause-ms) after the file's first K bytes
      --no-eot           do not end with EOT
      --delay-ms D       wait D ms after the port is opened before sending
      --linger-ms L      after the last byte, wait up to L ms (default 30000) for the program
                         to close the port, so it can read everything
      --hang-up-after K  vanish after the file's first K bytes, as an instrument switched
                         off mid-transfer (the line hangs up; exit status 1)

  merion-sim receive [--out FILE] [--dc1-each] [--dc3-after K] [--silent] [--initial-dc1]
                     [--timeout-ms T] [--hang-up-after-lines K] [--wait-ms W]
      Receives an upload and records every byte exactly (EOT included) in FILE. Lines end
      with CR LF; each one is echoed on standard output.
      --initial-dc1      send DC1 (ready) once the port is opened
      --dc1-each         answer DC1 after each line
      --dc3-after K      answer DC3 (stop) after line K instead of DC1
      --silent           answer nothing (the default when neither of the two above is given)
      --timeout-ms T     give up after T ms without a byte (default 15000)
      --hang-up-after-lines K  vanish after line K, answering nothing (exit status 1)
      Ends after EOT, when the program closes the port, or after the time-out.

  common: --wait-ms W   give up when no program has opened the port within W ms (default: wait)

exit status: 0 done (receive: EOT came), 1 ended otherwise (time-out, port closed early),
2 usage error.
)";
}

bool ParseSimOptions(int argc, char** argv, SimOptions& options, std::string& error)
{
    if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h") || !std::strcmp(argv[1], "help"))
    {
        options.mode = SimOptions::Mode::Help;
        return argc >= 2;
    }
    int i = 2;
    const std::string command = argv[1];
    if (command == "send")
    {
        options.mode = SimOptions::Mode::Send;
        if (argc < 3 || argv[2][0] == '-')
        {
            error = "send needs a FILE";
            return false;
        }
        options.file = argv[2];
        i = 3;
    }
    else if (command == "receive")
        options.mode = SimOptions::Mode::Receive;
    else
    {
        error = "unknown command " + command + " (send or receive)";
        return false;
    }

    const bool sending = options.mode == SimOptions::Mode::Send;
    for (; i < argc; ++i)
    {
        const std::string name = argv[i];
        if (name == "--help")
        {
            options.mode = SimOptions::Mode::Help;
            return true;
        }
        // Flags without a value.
        bool* flag = nullptr;
        bool flagValue = true;
        if (sending && name == "--leading-eot")
            flag = &options.leadingEot;
        else if (sending && name == "--no-eot")
            flag = &options.eot, flagValue = false;
        else if (!sending && name == "--dc1-each")
            flag = &options.dc1Each;
        else if (!sending && name == "--silent")
            flag = &options.silent;
        else if (!sending && name == "--initial-dc1")
            flag = &options.initialDc1;
        if (flag)
        {
            *flag = flagValue;
            continue;
        }
        // Options with a value.
        long* target = nullptr;
        long low = 0;
        std::string* text = nullptr;
        const bool nul = sending && name == "--nul-at";
        if (name == "--wait-ms")
            target = &options.waitMs;
        else if (sending && name == "--baud")
            target = &options.baud;
        else if (sending && name == "--pause-after")
            target = &options.pauseAfter;
        else if (sending && name == "--pause-ms")
            target = &options.pauseMs;
        else if (sending && name == "--delay-ms")
            target = &options.delayMs;
        else if (sending && name == "--linger-ms")
            target = &options.lingerMs;
        else if (sending && name == "--hang-up-after")
            target = &options.hangUpAfter;
        else if (!sending && name == "--hang-up-after-lines")
            target = &options.hangUpAfterLines, low = 1;
        else if (!sending && name == "--dc3-after")
            target = &options.dc3After, low = 1;
        else if (!sending && name == "--timeout-ms")
            target = &options.timeoutMs, low = 1;
        else if (!sending && name == "--out")
            text = &options.out;
        else if (!nul)
        {
            error = "unknown option " + name + " for " + command;
            return false;
        }
        if (i + 1 >= argc)
        {
            error = "option " + name + " needs a value";
            return false;
        }
        const char* value = argv[++i];
        long number = 0;
        if (text)
            *text = value;
        else if (!ParseNumber(value, low, nul ? number : *target))
        {
            error = "option " + name + " needs a whole number of at least " + std::to_string(low);
            return false;
        }
        if (nul)
            options.nulAt.push_back(number);
    }
    if (options.silent && (options.dc1Each || options.dc3After > 0))
    {
        error = "--silent answers nothing; it cannot go with --dc1-each or --dc3-after";
        return false;
    }
    if ((options.pauseAfter >= 0) != (options.pauseMs > 0))
    {
        error = "--pause-after and --pause-ms go together";
        return false;
    }
    return true;
}
