<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>dialog::TfrmObservacaoMod</name>
    <message>
        <source>Código</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Descrição</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Código:</source>
        <translation>Código:</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>      Apagar</source>
        <translation>      Borrar</translation>
    </message>
    <message>
        <source>    Pesquisar          Observação</source>
        <translation>    Buscar          Notas</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Espaço</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Confirmar</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Editar</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Cod_Inv|%s não cadastrado(a).</source>
        <translation>Cod_Inv|%s no registrado(a).</translation>
    </message>
    <message>
        <source>Cod_Inf|Código deve ser informado.</source>
        <translation>Cod_Inf|Debe ingresar un código.</translation>
    </message>
    <message>
        <source>N_osb|Não existe nenhum(a) %s cadastrado(a).</source>
        <translation>N_osb|No hay ningún(a) %s registrado(a).</translation>
    </message>
    <message>
        <source>Observação</source>
        <translation>Notas</translation>
    </message>
</context>
<context>
    <name>host::Mensagem</name>
    <message>
        <source>Pergunta</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Aviso</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Erro</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Informação</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Mensagem</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>host::TfrmEditaTexto</name>
    <message>
        <source>Editar texto</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>Texto</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>May.</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Espaço</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Limpar</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>Confirmar</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Editar %1</source>
        <translation>Editar %1</translation>
    </message>
</context>
<context>
    <name>host::TfrmPesquisa</name>
    <message>
        <source>Pesquisa</source>
        <translation>Búsqueda</translation>
    </message>
    <message>
        <source>Resultados da pesquisa</source>
        <translation>Resultados de la búsqueda</translation>
    </message>
    <message>
        <source>Nenhum registro encontrado.</source>
        <translation>No se encontraron registros.</translation>
    </message>
    <message>
        <source>Acima</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Abaixo</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Limpar</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>Espaço</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Confirmar</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Pesquisar %1</source>
        <translation>Buscar %1</translation>
    </message>
    <message>
        <source>Pesquisar</source>
        <translation>Buscar</translation>
    </message>
</context>
</TS>
