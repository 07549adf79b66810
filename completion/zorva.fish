# SPDX-License-Identifier: MIT
# fish completion for zorva
# Options and the formats after -f; nothing for the operation, for numbers, or file names.

# What the word being completed is: the value of a format, precision or round option, or free.
# A value word may itself be an option that takes the next word: a format's value -p or -r,
# and a precision's value -r.
function __zorva_word_kind
    set -l kind free
    for word in (commandline -opc)[2..-1]
        switch "$kind:$word"
            case free:-f free:--format
                set kind format
            case free:-p free:--precision format:-p format:--precision
                set kind precision
            case free:-r free:--round format:-r format:--round precision:-r precision:--round
                set kind round
            case '*'
                set kind free
        end
    end
    echo $kind
end

function __zorva_completes_option
    test (__zorva_word_kind) = free
    and string match -q -- '-*' (commandline -ct)
end

# Old-style (-o) short options: zorva takes no joined short options like -dt.
complete -c zorva -f
complete -c zorva -n __zorva_completes_option -o d -l degree -d 'Manage the given angles in degrees.'
complete -c zorva -n __zorva_completes_option -o f -l format -d 'The format to display the result.'
complete -c zorva -n __zorva_completes_option -o h -l help -d 'Show help about the software.'
complete -c zorva -n __zorva_completes_option -o i -l interactive -d 'Force interactive mode.'
complete -c zorva -n __zorva_completes_option -o p -l precision -d 'The number of decimals used for the internal numbers.'
complete -c zorva -n __zorva_completes_option -o r -l round -d 'The number of decimals to round the result.'
complete -c zorva -n __zorva_completes_option -o t -l thousands -d 'Display the result with thousands separators.'
complete -c zorva -n __zorva_completes_option -o vvv -l verbose -d 'Display the result with details.'
complete -c zorva -n __zorva_completes_option -o v -l version -d 'Show the version.'
complete -c zorva -n 'test (__zorva_word_kind) = format' -a '%.2f' -d 'Two decimals'
complete -c zorva -n 'test (__zorva_word_kind) = format' -a '%.4f' -d 'Four decimals'
complete -c zorva -n 'test (__zorva_word_kind) = format' -a '%.6e' -d 'Scientific notation, six decimals'
complete -c zorva -n 'test (__zorva_word_kind) = format' -a '%g' -d 'Six significant digits'
complete -c zorva -n 'test (__zorva_word_kind) = format' -a '%.15g' -d '15 significant digits, as without a format'
complete -c zorva -n 'test (__zorva_word_kind) = format' -a '%a' -d 'Hexadecimal floating point'
