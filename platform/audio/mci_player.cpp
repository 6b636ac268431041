#include "platform/audio/mci_player.h"

#include <cctype>
#include <exception>
#include <filesystem>
#include <sstream>
#include <vector>

namespace tarvelon {
namespace {

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Trim(const std::string& text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && std::isspace(static_cast<unsigned char>(text[first])))
        ++first;
    while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1])))
        --last;
    return text.substr(first, last - first);
}

std::vector<std::string> Words(const std::string& text)
{
    std::istringstream stream(text);
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}

// Splits "open <file> type waveaudio alias <alias>": the file runs up to the first keyword
// (a quoted file may hold anything).
bool SplitOpen(const std::string& arguments, std::string& file, std::string& type, std::string& alias)
{
    std::string rest = Trim(arguments);
    if (!rest.empty() && rest[0] == '"') {
        const std::size_t close = rest.find('"', 1);
        if (close == std::string::npos)
            return false;
        file = rest.substr(1, close - 1);
        rest = rest.substr(close + 1);
    } else {
        const std::string lower = Lower(rest);
        std::size_t end = rest.size();
        for (const char* keyword : {" type ", " alias "}) {
            const std::size_t at = lower.find(keyword);
            if (at != std::string::npos && at < end)
                end = at;
        }
        file = Trim(rest.substr(0, end));
        rest = rest.substr(end);
    }
    const std::vector<std::string> words = Words(rest);
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string word = Lower(words[i]);
        if (i + 1 >= words.size())
            return false;
        if (word == "type")
            type = Lower(words[++i]);
        else if (word == "alias")
            alias = words[++i];
        else
            return false;
    }
    return !file.empty();
}

}  // namespace

TMciPlayer::TMciPlayer(std::unique_ptr<TWaveDevice> device) : device_(std::move(device))
{
}

std::string TMciPlayer::ErrorText(std::uint32_t code)
{
    switch (code) {
    case 0: return {};
    case MCIERR_UNRECOGNIZED_KEYWORD: return "O comando de som tem uma palavra desconhecida.";
    case MCIERR_UNRECOGNIZED_COMMAND: return "Comando de som desconhecido.";
    case MCIERR_INVALID_DEVICE_NAME: return "O som indicado não está aberto.";
    case MCIERR_CANNOT_LOAD_DRIVER: return "Não há saída de som neste computador.";
    case MCIERR_MISSING_PARAMETER: return "Falta um parâmetro no comando de som.";
    case MCIERR_FILE_NOT_FOUND: return "O arquivo de som não foi encontrado.";
    case MCIERR_DUPLICATE_ALIAS: return "Já há um som aberto com esse nome.";
    case MCIERR_INVALID_FILE: return "O arquivo de som não pode ser tocado.";
    default: return "Erro de som " + std::to_string(code) + ".";
    }
}

std::uint32_t TMciPlayer::SendCommand(const std::string& command)
{
    try {
        const std::string text = Trim(command);
        const std::size_t space = text.find(' ');
        const std::string verb = Lower(text.substr(0, space));
        const std::string arguments = space == std::string::npos ? std::string() : text.substr(space + 1);
        if (verb != "open" && verb != "play" && verb != "stop" && verb != "close")
            return MCIERR_UNRECOGNIZED_COMMAND;
        if (!device_ || !device_->Available())
            return MCIERR_CANNOT_LOAD_DRIVER;
        if (verb == "open")
            return Open(arguments);
        return OnAlias(verb, arguments);
    } catch (const std::exception&) {
        // A failing output never stops the game: the sound is skipped.
        return MCIERR_INVALID_FILE;
    }
}

std::uint32_t TMciPlayer::Open(const std::string& arguments)
{
    std::string file;
    std::string type;
    std::string alias;
    if (!SplitOpen(arguments, file, type, alias))
        return Trim(arguments).empty() ? MCIERR_MISSING_PARAMETER : MCIERR_UNRECOGNIZED_KEYWORD;
    if (!type.empty() && type != "waveaudio")
        return MCIERR_INVALID_DEVICE_NAME;
    if (alias.empty())
        alias = file;
    if (aliases_.count(Lower(alias)))
        return MCIERR_DUPLICATE_ALIAS;
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return MCIERR_FILE_NOT_FOUND;
    if (!device_->Open(Lower(alias), file))
        return MCIERR_INVALID_FILE;
    aliases_.insert(Lower(alias));
    return 0;
}

std::uint32_t TMciPlayer::OnAlias(const std::string& verb, const std::string& arguments)
{
    const std::vector<std::string> words = Words(arguments);
    if (words.empty())
        return MCIERR_MISSING_PARAMETER;
    const std::string alias = Lower(words[0]);
    if (verb == "close" && alias == "all" && words.size() == 1) {
        for (const std::string& open : aliases_)
            device_->Close(open);
        aliases_.clear();
        return 0;
    }
    if (!aliases_.count(alias))
        return MCIERR_INVALID_DEVICE_NAME;
    if (verb == "play") {
        // Only "from 0" (the start) is used; a sound always plays from its start.
        if (words.size() != 1 && !(words.size() == 3 && Lower(words[1]) == "from" && words[2] == "0"))
            return MCIERR_UNRECOGNIZED_KEYWORD;
        return device_->Play(alias) ? 0u : std::uint32_t{MCIERR_INVALID_FILE};
    }
    if (words.size() != 1)
        return MCIERR_UNRECOGNIZED_KEYWORD;
    if (verb == "stop") {
        device_->Stop(alias);
        return 0;
    }
    device_->Close(alias);
    aliases_.erase(alias);
    return 0;
}

}  // namespace tarvelon
