<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>dialog::TfrmObservacaoMod</name>
    <message>
        <source>Código</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Descrição</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Código:</source>
        <translation>Code:</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>      Apagar</source>
        <translation>      Clear</translation>
    </message>
    <message>
        <source>    Pesquisar          Observação</source>
        <translation>    Search          Notes</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Espaço</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Confirmar</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Editar</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Cod_Inv|%s não cadastrado(a).</source>
        <translation>Cod_Inv|%s not registered.</translation>
    </message>
    <message>
        <source>Cod_Inf|Código deve ser informado.</source>
        <translation>Cod_Inf|Please enter a code.</translation>
    </message>
    <message>
        <source>N_osb|Não existe nenhum(a) %s cadastrado(a).</source>
        <translation>N_osb|No %s registered.</translation>
    </message>
    <message>
        <source>Observação</source>
        <translation>Notes</translation>
    </message>
</context>
<context>
    <name>host::Mensagem</name>
    <message>
        <source>Pergunta</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Aviso</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Erro</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Informação</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Mensagem</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>host::TfrmEditaTexto</name>
    <message>
        <source>Editar texto</source>
        <translation>Edit text</translation>
    </message>
    <message>
        <source>Texto</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Espaço</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Limpar</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Confirmar</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Editar %1</source>
        <translation>Edit %1</translation>
    </message>
</context>
<context>
    <name>host::TfrmPesquisa</name>
    <message>
        <source>Pesquisa</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Resultados da pesquisa</source>
        <translation>Search results</translation>
    </message>
    <message>
        <source>Nenhum registro encontrado.</source>
        <translation>No records found.</translation>
    </message>
    <message>
        <source>Acima</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Abaixo</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Limpar</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Espaço</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Confirmar</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Pesquisar %1</source>
        <translation>Search %1</translation>
    </message>
    <message>
        <source>Pesquisar</source>
        <translation>Search</translation>
    </message>
</context>
</TS>
