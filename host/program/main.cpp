// pendrake: the host substitute as a program.
#include <exception>
#include <iostream>
#include <string>

#include <CLI/CLI.hpp>

#include "Commands.h"
#include "TerminalProgress.h"
#include "platform/Platform.h"

namespace {

const char kExitCodes[] = "Exit codes: 0 success, 1 a file, a plug-in or a panel line failed, 2 wrong usage.";

constexpr const char* kPreferencesText =
    "preference file (default: $XDG_CONFIG_HOME/Pendrake/Preferences.ini when it exists)";

void AddSessionOptions(CLI::App& command, pendrake::SessionOptions& options)
{
    command.add_option("--edition", options.edition, "feature set of the cutting plug-in to load")
        ->check(CLI::IsMember({"windows", "macos"}))
        ->default_str("windows");
    command.add_option("--plugins", options.pluginsFolder, "load the plug-ins of DIR instead of Plug-ins/<edition>")
        ->type_name("DIR");
    command
        .add_option("--fail", options.failCalls,
                    "make a host call fail, to try the plug-ins' failure handling: CALL fails every call of the "
                    "suite function CALL, CALL:N only its Nth call (repeatable)")
        ->type_name("CALL[:N]");
    command.add_option("--trace-calls", options.callTrace, "write every host call the plug-ins make to FILE")
        ->type_name("FILE");
}

void AddImportOptions(CLI::App& command, pendrake::SessionOptions& options)
{
    command.add_flag("--strict", options.strictImport,
                     "refuse an artwork with anything the document cannot hold (masks, gradients, filters, images, "
                     "markers, ...) instead of importing its nearest equivalent with a warning");
}

// The artwork, the session's options, the import options and the preference file: what every command that opens
// a document takes.
void AddDocumentOptions(CLI::App& command, pendrake::SessionOptions& options, const char* artworkText,
                        const char* preferencesText)
{
    command.add_option("artwork", options.artwork, artworkText)->required()->type_name("ARTWORK.svg");
    AddSessionOptions(command, options);
    AddImportOptions(command, options);
    command.add_option("--prefs", options.preferences, preferencesText)->type_name("FILE");
}

}  // namespace

int main(int argc, char** argv)
{
    platform::PreferLargeHeapPages();
    CLI::App app("pendrake: the drawing host substitute that runs the cutting plug-ins.", "pendrake");
    app.footer(kExitCodes);
    app.require_subcommand(1);

    pendrake::SessionOptions startOptions;
    CLI::App* start = app.add_subcommand("start", "start the host with its plug-ins, show what they did, shut down");
    AddSessionOptions(*start, startOptions);

    pendrake::PanelOptions panelOptions;
    CLI::App* panel = app.add_subcommand(
        "panel",
        "open ARTWORK.svg and play the plug-in's panel from standard input: a line starting with \"<\" is sent as "
        "one OperationClicked payload, \"!select ID[,ID...]|all|none\" changes the selection, \"!layer NAME\" "
        "makes a layer current; every event the plug-ins dispatch is printed as one JSON line");
    AddDocumentOptions(*panel, panelOptions.session, "the SVG document to open", kPreferencesText);
    panel->add_option("--save", panelOptions.saveAs, "write the document here after the last line")
        ->type_name("OUT.svg");

    pendrake::JobOptions jobOptions;
    CLI::App* run = app.add_subcommand(
        "run",
        "the main job on ARTWORK.svg: choose the cutter model and crop count, make crop marks, mark cut and "
        "perforation lines, run the output to the cutting application, save the document");
    AddDocumentOptions(*run, jobOptions.session, "the SVG document to work on", "preference file");
    run->add_option("--model", jobOptions.job.model, "cutter model name (default: TS-1, macOS feature set TR-2)");
    run->add_option("--crop-count", jobOptions.job.cropCount, "3 or 4 crop marks")
        ->check(CLI::IsMember({3, 4}))
        ->default_str("4");
    run->add_option("--cut", jobOptions.job.cutIds, "SVG ids of the objects to cut")->delimiter(',')->type_name("IDS");
    run->add_option("--perforate", jobOptions.job.perforateIds, "SVG ids of the objects to perforate")
        ->delimiter(',')
        ->type_name("IDS");
    run->add_option("--target", jobOptions.job.target,
                    "objects the output writes: 1 selected, 2 current layer, 3 cut lines, 4 perforation lines, "
                    "0 all")
        ->default_str("3");
    run->add_flag("--timings", jobOptions.job.timings,
                  "print to standard error how long reading, the output run and saving took");
    run->add_flag("--verbose", jobOptions.job.verbose,
                  "list the ids of the cut and perforation lines and the paths of the preview, not only their counts");
    run->add_option("--save", jobOptions.saveAs, "write the document here afterwards")->type_name("OUT.svg");

    pendrake::ServeOptions serveOptions;
    CLI::App* serve = app.add_subcommand(
        "serve",
        "open ARTWORK.svg, start the plug-ins and serve their panels to a web browser on 127.0.0.1 only: the "
        "panel pages, and an API (token needed) that sends panel events, changes the selection, gives the "
        "document and streams every event the plug-ins dispatch. Prints one line \"Serving "
        "http://127.0.0.1:PORT/?token=TOKEN\"; stops on Ctrl-C or SIGTERM (nothing saved) or when the page "
        "quits (saved to --save when it asks)");
    AddDocumentOptions(*serve, serveOptions.session, "the SVG document to open", kPreferencesText);
    serve->add_option("--port", serveOptions.port, "the port on 127.0.0.1 (0, the default: a free one)")
        ->check(CLI::Range(0, 65535))
        ->type_name("N");
    serve->add_option("--save", serveOptions.saveAs, "where the page's quit with saving writes the document")
        ->type_name("OUT.svg");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == 0) return app.exit(error);
        std::cerr << "pendrake: " << error.what() << "\n\n" << app.help();
        return 2;
    }

    for (const pendrake::SessionOptions* session :
         {&startOptions, &panelOptions.session, &jobOptions.session, &serveOptions.session}) {
        std::string problem;
        if (pendrake::CheckFailCalls(session->failCalls, &problem)) continue;
        std::cerr << "pendrake: " << problem << '\n';
        return 2;
    }

    // Progress of long steps only where a person watches.
    const bool terminal = pendrake::TerminalProgress::ForStandardError();
    panelOptions.session.progress = jobOptions.session.progress = jobOptions.job.progress = terminal;
    serveOptions.session.progress = terminal;
    serveOptions.commandLine.assign(argv, argv + argc);
    try {
        if (*start) return pendrake::RunStart(startOptions);
        if (*run) return pendrake::RunJob(jobOptions, std::cout, std::cerr);
        if (*serve) return pendrake::RunServe(serveOptions, std::cout, std::cerr);
        return pendrake::RunPanel(panelOptions, std::cin, std::cout, std::cerr);
    } catch (const std::exception& error) {
        std::cerr << "pendrake: " << error.what() << '\n';
        return 1;
    }
}
