<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="pt_BR">
<context>
    <name>ArquivoCaso</name>
    <message>
        <source>Arquivos CSV (*.csv);;Planilhas do Excel (*.xlsx);;Todos os arquivos (*)</source>
        <translation>Archivos CSV (*.csv);;Hojas de Excel (*.xlsx);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>O arquivo não estava em UTF-8: foi lido como Windows-1252, a codificação antiga do Windows.</source>
        <translation>El archivo no estaba en UTF-8: se leyó como Windows-1252, la codificación antigua de Windows.</translation>
    </message>
    <message>
        <source>E&amp;xportar…</source>
        <translation>E&amp;xportar…</translation>
    </message>
    <message>
        <source>&amp;Importar…</source>
        <translation>&amp;Importar…</translation>
    </message>
    <message>
        <source>Exportar case</source>
        <translation>Exportar case</translation>
    </message>
    <message>
        <source>Importar case</source>
        <translation>Importar case</translation>
    </message>
    <message>
        <source>Arquivos CSV (*.csv);;Todos os arquivos (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>O case %1 não tem fatores para exportar.</source>
        <translation>El case %1 no tiene factores para exportar.</translation>
    </message>
    <message>
        <source>O case %1 (%2) já tem %3 fatores.
Substituí-los pelos %4 fatores do arquivo?</source>
        <translation>El case %1 (%2) ya tiene %3 factores.
¿Reemplazarlos por los %4 factores del archivo?</translation>
    </message>
    <message>
        <source>%1 fatores e %2 julgamentos importados para o case %3.</source>
        <translation>%1 factores y %2 juicios importados en el case %3.</translation>
    </message>
    <message>
        <source>O case não pôde ser gravado:
%1

Nada foi alterado.</source>
        <translation>No se pudo grabar el case:
%1

No se cambió nada.</translation>
    </message>
</context>
<context>
    <name>CasoCsv</name>
    <message>
        <source>Isto não é um arquivo comum (é uma pasta, um dispositivo ou um canal): nada foi lido.</source>
        <translation>Esto no es un archivo común (es una carpeta, un dispositivo o un canal): no se leyó nada.</translation>
    </message>
    <message>
        <source>%1 não é um caractere válido em %2: o arquivo está danificado</source>
        <translation>%1 no es un carácter válido en %2: el archivo está dañado</translation>
    </message>
    <message>
        <source> (ou 1/5</source>
        <translation> (o 1/5</translation>
    </message>
    <message>
        <source>O arquivo está vazio.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>O arquivo tem mais de 1 MB; um case cabe em muito menos.</source>
        <translation>El archivo tiene más de 1 MB; un case cabe en mucho menos.</translation>
    </message>
    <message>
        <source>O arquivo não é um texto CSV.</source>
        <translation>El archivo no es un texto CSV.</translation>
    </message>
    <message>
        <source>O arquivo não pôde ser lido: %1</source>
        <translation>No se pudo leer el archivo: %1</translation>
    </message>
    <message>
        <source>aspas abertas e nunca fechadas</source>
        <translation>comillas abiertas que nunca se cierran</translation>
    </message>
    <message>
        <source>texto depois das aspas de fechamento</source>
        <translation>texto después de las comillas de cierre</translation>
    </message>
    <message>
        <source>a quantidade de fatores &quot;%1&quot; não é um número inteiro</source>
        <translation>el número de factores &quot;%1&quot; no es un número entero</translation>
    </message>
    <message>
        <source>a quantidade de fatores %1 não confere com os %2 fatores da matriz</source>
        <translation>el número de factores %1 no coincide con los %2 factores de la matriz</translation>
    </message>
    <message>
        <source>o texto tem %1 caracteres; o máximo é 80</source>
        <translation>el texto tiene %1 caracteres; el máximo es 80</translation>
    </message>
    <message>
        <source>falta a matriz: uma linha com os nomes e uma linha por fator</source>
        <translation>falta la matriz: una fila con los nombres y una fila por factor</translation>
    </message>
    <message>
        <source>a matriz tem %1 fatores; o mínimo é 4</source>
        <translation>la matriz tiene %1 factores; el mínimo es 4</translation>
    </message>
    <message>
        <source>a matriz tem %1 fatores; o máximo é 25</source>
        <translation>la matriz tiene %1 factores; el máximo es 25</translation>
    </message>
    <message>
        <source>falta o nome do fator</source>
        <translation>falta el nombre del factor</translation>
    </message>
    <message>
        <source>o nome &quot;%1&quot; já aparece na linha %2</source>
        <translation>el nombre &quot;%1&quot; ya aparece en la línea %2</translation>
    </message>
    <message>
        <source>o nome &quot;%1&quot; do cabeçalho não é o da linha %2 (&quot;%3&quot;)</source>
        <translation>el nombre &quot;%1&quot; del encabezado no es el de la línea %2 (&quot;%3&quot;)</translation>
    </message>
    <message>
        <source>falta a linha do fator %1 (&quot;%2&quot;)</source>
        <translation>falta la fila del factor %1 (&quot;%2&quot;)</translation>
    </message>
    <message>
        <source>linha a mais: a matriz tem %1 fatores</source>
        <translation>fila de más: la matriz tiene %1 factores</translation>
    </message>
    <message>
        <source>valor fora da matriz</source>
        <translation>valor fuera de la matriz</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é um dos níveis %2</source>
        <translation>&quot;%1&quot; no es uno de los niveles %2</translation>
    </message>
    <message>
        <source>a diagonal (o fator contra ele mesmo) fica vazia</source>
        <translation>la diagonal (el factor contra sí mismo) queda vacía</translation>
    </message>
    <message>
        <source>%1 não é o recíproco de %2 (linha %3, coluna %4)</source>
        <translation>%1 no es el recíproco de %2 (línea %3, columna %4)</translation>
    </message>
    <message>
        <source>Nada foi alterado.</source>
        <translation>No se cambió nada.</translation>
    </message>
    <message>
        <source>Nada foi importado: o arquivo tem 1 problema.</source>
        <translation>No se importó nada: el archivo tiene 1 problema.</translation>
    </message>
    <message>
        <source>Nada foi importado: o arquivo tem %1 problemas.</source>
        <translation>No se importó nada: el archivo tiene %1 problemas.</translation>
    </message>
    <message>
        <source>Linha %1, coluna %2: </source>
        <translation>Línea %1, columna %2: </translation>
    </message>
    <message>
        <source>… e mais %1.</source>
        <translation>… y %1 más.</translation>
    </message>
</context>
<context>
    <name>CasoXlsx</name>
    <message>
        <source>A planilha não pôde ser montada (%1).</source>
        <translation>No se pudo armar la hoja de cálculo (%1).</translation>
    </message>
</context>
<context>
    <name>Classes</name>
    <message>
        <source>Fatores Causais</source>
        <translation>Factores causales</translation>
    </message>
    <message>
        <source>Causa Raíz ou principal FCS</source>
        <translation>Causa Raíz ou principal FCS</translation>
    </message>
    <message>
        <source>Efeitos</source>
        <translation>Efectos ou Factores Espúrios</translation>
    </message>
</context>
<context>
    <name>Emach</name>
    <message>
        <source>Valores incompletos!</source>
        <comment>linhas iguais</comment>
        <translation>Valores incompleta!</translation>
    </message>
    <message>
        <source>Preencher totalmente a planilha antes de analizar</source>
        <comment>linhas iguais</comment>
        <translation>Rellenar completamente la hoja de cálculo antes de analizar</translation>
    </message>
    <message>
        <source>Valores incompletos!</source>
        <comment>colunas iguais</comment>
        <translation>Valores incompla!</translation>
    </message>
    <message>
        <source>Preencher totalmente a planilha antes de analizar</source>
        <comment>colunas iguais</comment>
        <translation>Rellenar completamente la hoja de cálculo antes de analizar </translation>
    </message>
    <message>
        <source>Valor fora da escala</source>
        <translation>Valor fuera de la escala</translation>
    </message>
    <message>
        <source>O julgamento de &quot;%1&quot; contra &quot;%2&quot; vale %3, fora da escala de 0,1 a 10. A análise não foi feita.</source>
        <translation>El juicio de &quot;%1&quot; frente a &quot;%2&quot; vale %3, fuera de la escala de 0,1 a 10. El análisis no se hizo.</translation>
    </message>
</context>
<context>
    <name>Equipe</name>
    <message>
        <source>Os membros concordam fortemente na ordem dos fatores.</source>
        <translation>Los miembros coinciden fuertemente en el orden de los factores.</translation>
    </message>
    <message>
        <source>Os membros concordam moderadamente na ordem dos fatores.</source>
        <translation>Los miembros coinciden moderadamente en el orden de los factores.</translation>
    </message>
    <message>
        <source>Os membros concordam pouco na ordem dos fatores.</source>
        <translation>Los miembros coinciden poco en el orden de los factores.</translation>
    </message>
    <message>
        <source>A concordância pede ao menos dois membros cuja matriz possa ser analisada.</source>
        <translation>La concordancia requiere al menos dos miembros cuya matriz pueda analizarse.</translation>
    </message>
    <message>
        <source>W de Kendall = %1; qui-quadrado = %2 com %3 graus de liberdade; p %4</source>
        <translation>W de Kendall = %1; chi cuadrado = %2 con %3 grados de libertad; p %4</translation>
    </message>
</context>
<context>
    <name>Escrita</name>
    <message>
        <source>O disco está cheio.</source>
        <translation>El disco está lleno.</translation>
    </message>
    <message>
        <source>Não é permitido gravar nesta pasta (ela é somente para leitura ou de outro usuário).</source>
        <translation>No se permite grabar en esta carpeta (es de solo lectura o de otro usuario).</translation>
    </message>
    <message>
        <source>A pasta não existe.</source>
        <translation>La carpeta no existe.</translation>
    </message>
    <message>
        <source>Já existe uma pasta com este nome.</source>
        <translation>Ya existe una carpeta con este nombre.</translation>
    </message>
    <message>
        <source>O nome do arquivo é longo demais.</source>
        <translation>El nombre del archivo es demasiado largo.</translation>
    </message>
    <message>
        <source>O disco recusou a gravação.</source>
        <translation>El disco rechazó la escritura.</translation>
    </message>
    <message>
        <source>O sistema recusou a gravação (%1).</source>
        <translation>El sistema rechazó la escritura (%1).</translation>
    </message>
    <message>
        <source>Não foi possível gravar o arquivo
%1

%2

Nenhum arquivo foi criado ou alterado.</source>
        <translation>No se pudo grabar el archivo
%1

%2

Ningún archivo fue creado ni cambiado.</translation>
    </message>
</context>
<context>
    <name>Folha</name>
    <message>
        <source>Resultado Emach</source>
        <extracomment>The Spanish page prints the Portuguese texts</extracomment>
        <translation>Resultado Emach</translation>
    </message>
    <message>
        <source>Objetivo a alcançar ou Sintoma indesejado: </source>
        <translation>Objetivo a alcançar ou Sintoma indesejado: </translation>
    </message>
    <message>
        <source>Fatores</source>
        <translation>Fatores</translation>
    </message>
    <message>
        <source>Observação</source>
        <translation>Observação</translation>
    </message>
    <message>
        <source>Efeito</source>
        <translation>Efeito</translation>
    </message>
    <message>
        <source>Fator causal</source>
        <translation>Fator causal</translation>
    </message>
    <message>
        <source>Causa Raíz ou principal FCS</source>
        <translation>Causa Raíz ou principal FCS</translation>
    </message>
</context>
<context>
    <name>Gravacao</name>
    <message>
        <source>O disco recusou a gravação.</source>
        <translation>El disco rechazó la escritura.</translation>
    </message>
    <message>
        <source>O arquivo de dados CONTROLE.mdb está ocupado por outro programa.</source>
        <translation>El archivo de datos CONTROLE.mdb está ocupado por otro programa.</translation>
    </message>
    <message>
        <source>O disco está cheio.</source>
        <translation>El disco está lleno.</translation>
    </message>
    <message>
        <source>O arquivo de dados CONTROLE.mdb está protegido contra gravação (somente leitura).</source>
        <translation>El archivo de datos CONTROLE.mdb es de solo lectura.</translation>
    </message>
    <message>
        <source>O arquivo de dados CONTROLE.mdb foi movido, substituído ou apagado enquanto o KV estava aberto.</source>
        <translation>El archivo de datos CONTROLE.mdb fue movido, sustituido o borrado mientras KV estaba abierto.</translation>
    </message>
    <message>
        <source>Nada foi gravado no arquivo que está lá agora.</source>
        <translation>No se escribió nada en el archivo que está allí ahora.</translation>
    </message>
    <message>
        <source>Nada foi gravado. O que está na tela continua aqui: resolva o problema e tente de novo.</source>
        <translation>No se guardó nada. Lo que está en la pantalla sigue aquí: resuelva el problema e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Dados não gravados</source>
        <translation>Datos no guardados</translation>
    </message>
    <message>
        <source>Detalhe técnico: </source>
        <translation>Detalle técnico: </translation>
    </message>
</context>
<context>
    <name>Mapa</name>
    <message>
        <source>Mapa de influência</source>
        <translation>Mapa de influencia</translation>
    </message>
    <message>
        <source>&amp;Mapa</source>
        <translation>&amp;Mapa</translation>
    </message>
    <message>
        <source>&amp;Imprimir</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Exportar…</source>
        <translation>&amp;Exportar…</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>Impressora:</source>
        <translation>Impresora:</translation>
    </message>
    <message>
        <source>NormH: pontos da linha, normatizados 0-5</source>
        <translation>NormH: puntos de la fila, normalizados 0-5</translation>
    </message>
    <message>
        <source>NormV: pontos da coluna, normatizados 0-5</source>
        <translation>NormV: puntos de la columna, normalizados 0-5</translation>
    </message>
    <message>
        <source>Pontos da Linha</source>
        <translation>Puntos de la fila</translation>
    </message>
    <message>
        <source>Pontos da Coluna</source>
        <translation>Puntos de la columna</translation>
    </message>
    <message>
        <source>Exportar mapa</source>
        <translation>Exportar mapa</translation>
    </message>
    <message>
        <source>Mapa não exportado</source>
        <translation>Mapa no exportado</translation>
    </message>
    <message>
        <source>Salvar mapa em PDF</source>
        <translation>Guardar mapa en PDF</translation>
    </message>
    <message>
        <source>O mapa foi salvo em:</source>
        <translation>El mapa se guardó en:</translation>
    </message>
</context>
<context>
    <name>Mensagens</name>
    <message>
        <source>Erro</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Informação</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Pergunta</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Aviso</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Botões</source>
        <translation>Botones</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Menu principal</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>Área principal</source>
        <translation>Área principal</translation>
    </message>
    <message>
        <source>Barra de status</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>Fileira de dominós caindo</source>
        <translation>Una fila de dominós cayendo</translation>
    </message>
    <message>
        <source>&amp;Casos</source>
        <translation>&amp;Casos</translation>
    </message>
    <message>
        <source>&amp;Eventos</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>&amp;Análise</source>
        <translation>Análisis</translation>
    </message>
    <message>
        <source>&amp;Informações</source>
        <translation>Informacion</translation>
    </message>
    <message>
        <source>&amp;Sair</source>
        <translation>Dejar</translation>
    </message>
    <message>
        <source>Análise causal pelo método E-Mach. Projeto e programação: equipe KV.</source>
        <translation>Análisis causal por el método E-Mach. Diseño y programación: el equipo KV.</translation>
    </message>
    <message>
        <source>Software de análise causal KV - licenciado por Orvalis</source>
        <extracomment>Spanish shares the Portuguese wording</extracomment>
        <translation>Software de análise causal KV - licenciado por Orvalis</translation>
    </message>
    <message>
        <source>Versão: 22.12.15</source>
        <extracomment>Spanish shares the Portuguese wording</extracomment>
        <translation>Versão: 22.12.15</translation>
    </message>
    <message>
        <source>Programa ativo pela segunda vez, será fechado!</source>
        <translation>Programa activo por segunda vez, se cerrará !</translation>
    </message>
    <message>
        <source>Programa Paralizado!</source>
        <translation>Programa Paralizado!</translation>
    </message>
    <message>
        <source>Escolha o Case a ser analisado no menu Cases</source>
        <translation>Seleccione el Case que se analiza en los cases de menú</translation>
    </message>
    <message>
        <source>Case não informado!</source>
        <comment>análise</comment>
        <translation>Case no especificado!</translation>
    </message>
    <message>
        <source>Case não informado!</source>
        <comment>eventos</comment>
        <translation>Case no informado!</translation>
    </message>
</context>
<context>
    <name>PaginaEquipe</name>
    <message>
        <source>Julgamento em equipe</source>
        <translation>Juicio en equipo</translation>
    </message>
    <message>
        <source>Membros: %1</source>
        <translation>Miembros: %1</translation>
    </message>
    <message>
        <source>Fora da concordância: %1 (a matriz não pode ser analisada)</source>
        <translation>Fuera de la concordancia: %1 (la matriz no puede analizarse)</translation>
    </message>
    <message>
        <source>Pares a discutir</source>
        <translation>Pares a discutir</translation>
    </message>
    <message>
        <source>Nenhum par com dispersão de 2 ou mais.</source>
        <translation>Ningún par con dispersión de 2 o más.</translation>
    </message>
    <message>
        <source>%1 × %2: equipe %3, dispersão %4</source>
        <translation>%1 × %2: equipo %3, dispersión %4</translation>
    </message>
    <message>
        <source>… e mais %1 pares com dispersão de 2 ou mais.</source>
        <translation>… y %1 pares más con dispersión de 2 o más.</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>A impressora %1 não aceitou o documento. Nada foi impresso.</source>
        <translation>La impresora %1 no aceptó el documento. No se imprimió nada.</translation>
    </message>
    <message>
        <source>Impressão</source>
        <translation>Impresión</translation>
    </message>
</context>
<context>
    <name>RelatorioCompleto</name>
    <message>
        <source>Causa Raíz ou principal FCS</source>
        <translation>Causa raíz o principal FCS</translation>
    </message>
    <message>
        <source>Efeito</source>
        <translation>Efecto</translation>
    </message>
    <message>
        <source>Fator causal</source>
        <translation>Factor causal</translation>
    </message>
    <message>
        <source>Relatório completo</source>
        <translation>Informe completo</translation>
    </message>
    <message>
        <source>Objetivo a alcançar ou Sintoma indesejado: </source>
        <translation>Meta para alcanzar o síntoma no deseado: </translation>
    </message>
    <message>
        <source>Data: %1</source>
        <translation>Fecha: %1</translation>
    </message>
    <message>
        <source>Classe</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Nº</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Fator</source>
        <translation>Factor</translation>
    </message>
    <message>
        <source>Classificação dos fatores</source>
        <translation>Clasificación de los factores</translation>
    </message>
    <message>
        <source>Matriz de comparação</source>
        <translation>Matriz de comparación</translation>
    </message>
    <message>
        <source>Colunas: o número de cada fator, como nas linhas.</source>
        <translation>Columnas: el número de cada factor, como en las filas.</translation>
    </message>
    <message>
        <source>Relatório &amp;completo…</source>
        <translation>Informe &amp;completo…</translation>
    </message>
    <message>
        <source>Salvar relatório completo em PDF</source>
        <translation>Guardar informe completo en PDF</translation>
    </message>
    <message>
        <source>O relatório completo foi salvo em:</source>
        <translation>El informe completo se guardó en:</translation>
    </message>
    <message>
        <source>Cada ponto leva o número do fator (Nº da classificação).</source>
        <translation>Cada punto lleva el número del factor (N.º de la clasificación).</translation>
    </message>
    <message>
        <source>Julgamento em equipe</source>
        <translation>Juicio en equipo</translation>
    </message>
    <message>
        <source>Membros: %1</source>
        <translation>Miembros: %1</translation>
    </message>
    <message>
        <source>Fora da concordância: %1 (a matriz não pode ser analisada)</source>
        <translation>Fuera de la concordancia: %1 (la matriz no puede analizarse)</translation>
    </message>
    <message>
        <source>Pares a discutir</source>
        <translation>Pares a discutir</translation>
    </message>
    <message>
        <source>Nenhum par com dispersão de 2 ou mais.</source>
        <translation>Ningún par con dispersión de 2 o más.</translation>
    </message>
    <message>
        <source>%1 × %2: equipe %3, dispersão %4</source>
        <translation>%1 × %2: equipo %3, dispersión %4</translation>
    </message>
</context>
<context>
    <name>Restauracao</name>
    <message>
        <source>Julgamentos não gravados</source>
        <translation>Juicios no guardados</translation>
    </message>
    <message>
        <source>O arquivo de recuperação de julgamentos está danificado e não foi usado.</source>
        <translation>El archivo de recuperación de juicios está dañado y no se usó.</translation>
    </message>
    <message>
        <source>O arquivo de recuperação de julgamentos é de outro arquivo de dados, ou de um case que mudou depois, e não foi usado.</source>
        <translation>El archivo de recuperación de juicios es de otro archivo de datos, o de un case que cambió después, y no se usó.</translation>
    </message>
    <message>
        <source>Ele foi guardado como:
%1</source>
        <translation>Se guardó como:
%1</translation>
    </message>
    <message>
        <source>O KV foi encerrado sem gravar os julgamentos do case %1 (%2), feitos até %3.

Restaurá-los agora?</source>
        <translation>KV se cerró sin grabar los juicios del case %1 (%2), hechos hasta %3.

¿Restaurarlos ahora?</translation>
    </message>
    <message>
        <source>&amp;Restaurar</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;Descartar</source>
        <translation>&amp;Descartar</translation>
    </message>
</context>
<context>
    <name>Teclado</name>
    <message>
        <source>Julgados: %1 de %2</source>
        <translation>Juzgados: %1 de %2</translation>
    </message>
</context>
<context>
    <name>Veredito</name>
    <message>
        <source>Julgamentos com algumas contradições: reveja os pares indicados.</source>
        <translation>Juicios con algunas contradicciones: revise los pares indicados.</translation>
    </message>
    <message>
        <source>Julgamentos contraditórios: a ordem dos fatores não é confiável.</source>
        <translation>Juicios contradictorios: el orden de los factores no es confiable.</translation>
    </message>
    <message>
        <source>Julgamentos coerentes.</source>
        <translation>Juicios coherentes.</translation>
    </message>
    <message>
        <source>A ordem se apoia em poucos julgamentos com direção: %1 de %2 pares.</source>
        <translation>El orden se apoya en pocos juicios con dirección: %1 de %2 pares.</translation>
    </message>
    <message>
        <source>ζ = %1, não melhor do que julgar ao acaso (%2 em média).</source>
        <translation>ζ = %1, no mejor que juzgar al azar (%2 en promedio).</translation>
    </message>
    <message>
        <source>ζ = %1; julgando ao acaso, seria %2 em média.</source>
        <translation>ζ = %1; juzgando al azar, sería %2 en promedio.</translation>
    </message>
    <message>
        <source>Causa raiz firme: nenhuma mudança de um só julgamento a tira de %1.</source>
        <translation>Causa raíz firme: ningún cambio de un solo juicio la quita de %1.</translation>
    </message>
    <message>
        <source>Causa raiz sensível: %1 e %2 empatam no menor E-Mach; não há uma causa raiz única.</source>
        <translation>Causa raíz sensible: %1 y %2 empatan en el menor E-Mach; no hay una única causa raíz.</translation>
    </message>
    <message>
        <source>Causa raiz sensível: mudar o julgamento %1 × %2 de %3 para %4, um só passo, faz de %5 a causa raiz.</source>
        <translation>Causa raíz sensible: cambiar el juicio %1 × %2 de %3 a %4, un solo paso, hace de %5 la causa raíz.</translation>
    </message>
    <message>
        <source>Causa raiz sensível: mudar o julgamento %1 × %2 de %3 para %4, um só passo, deixa o menor E-Mach empatado.</source>
        <translation>Causa raíz sensible: cambiar el juicio %1 × %2 de %3 a %4, un solo paso, deja empatado el menor E-Mach.</translation>
    </message>
    <message>
        <source>Mudanças de um passo que a movem: %1.</source>
        <translation>Cambios de un paso que la mueven: %1.</translation>
    </message>
    <message>
        <source>Causa raiz moderada: nenhuma mudança de um passo a move; a menor que a move é %1 × %2 de %3 para %4 (%5 passos), que faz de %6 a causa raiz.</source>
        <translation>Causa raíz moderada: ningún cambio de un paso la mueve; el menor que la mueve es %1 × %2 de %3 a %4 (%5 pasos), que hace de %6 la causa raíz.</translation>
    </message>
    <message>
        <source>Causa raiz moderada: nenhuma mudança de um passo a move; a menor que a move é %1 × %2 de %3 para %4 (%5 passos), que deixa o menor E-Mach empatado.</source>
        <translation>Causa raíz moderada: ningún cambio de un paso la mueve; el menor que la mueve es %1 × %2 de %3 a %4 (%5 pasos), que deja empatado el menor E-Mach.</translation>
    </message>
    <message>
        <source>Consistência dos julgamentos</source>
        <translation>Consistencia de los juicios</translation>
    </message>
    <message>
        <source>Tríades circulares: d = %1 de %2 possíveis; ζ = %3</source>
        <translation>Tríadas circulares: d = %1 de %2 posibles; ζ = %3</translation>
    </message>
    <message>
        <source>Pares sem direção (1 ou vazios): %1 de %2</source>
        <translation>Pares sin dirección (1 o vacíos): %1 de %2</translation>
    </message>
    <message>
        <source>Pares não recíprocos, fora da contagem: %1 (%2)</source>
        <translation>Pares no recíprocos, fuera del conteo: %1 (%2)</translation>
    </message>
    <message>
        <source>Tríades a rever (as 10 primeiras de %1):</source>
        <translation>Tríadas para revisar (las 10 primeras de %1):</translation>
    </message>
    <message>
        <source>Tríades a rever:</source>
        <translation>Tríadas para revisar:</translation>
    </message>
    <message>
        <source>Firmeza da causa raiz</source>
        <translation>Firmeza de la causa raíz</translation>
    </message>
    <message>
        <source>A causa raiz %1 se mantém em %2 de %3 mudanças de um julgamento (%4 %)</source>
        <translation>La causa raíz %1 se mantiene en %2 de %3 cambios de un juicio (%4 %)</translation>
    </message>
    <message>
        <source>Empate no menor E-Mach: não há uma única causa raiz</source>
        <translation>Empate en el menor E-Mach: no hay una única causa raíz</translation>
    </message>
    <message>
        <source>Diferença de E-Mach até o fator seguinte, %1: %2</source>
        <translation>Diferencia de E-Mach hasta el siguiente factor, %1: %2</translation>
    </message>
    <message>
        <source>Nenhum julgamento sozinho muda a causa raiz.</source>
        <translation>Ningún juicio por sí solo mueve la causa raíz.</translation>
    </message>
    <message>
        <source>Julgamentos cuja mudança muda a causa raiz (10 de %1, primeiro os de um passo):</source>
        <translation>Juicios cuyo cambio mueve la causa raíz (10 de %1, primero los de un paso):</translation>
    </message>
    <message>
        <source>Julgamentos cuja mudança muda a causa raiz:</source>
        <translation>Juicios cuyo cambio mueve la causa raíz:</translation>
    </message>
    <message>
        <source>sem causa raiz única</source>
        <translation>sin causa raíz única</translation>
    </message>
    <message>
        <source>nova causa raiz %1</source>
        <translation>nueva causa raíz %1</translation>
    </message>
    <message>
        <source>%1 × %2: %3 → %4, %5 passo(s): %6</source>
        <translation>%1 × %2: %3 → %4, %5 paso(s): %6</translation>
    </message>
</context>
<context>
    <name>Verificacao</name>
    <message>
        <source>Limitação do Sistema!</source>
        <translation>Sistema Limit!</translation>
    </message>
    <message>
        <source>Mínimo de 4 itens por análise.</source>
        <translation>Mínimo de 4 artículos por el análisis.</translation>
    </message>
    <message>
        <source>Limite do Sistema!</source>
        <comment>cases</comment>
        <translation>Sistema Limit!</translation>
    </message>
    <message>
        <source>Permitido o máximo de 25 itens por análise.</source>
        <translation>Máximo permitido de 25 elementos para el análisis.</translation>
    </message>
    <message>
        <source>Limite do Sistema!</source>
        <comment>eventos</comment>
        <translation>Sistema Limit!</translation>
    </message>
</context>
<context>
    <name>Vigia</name>
    <message>
        <source>Um arquivo que o KV mantém ao lado de CONTROLE.mdb enquanto está aberto (CONTROLE.mdb-wal ou CONTROLE.mdb-shm) foi apagado por outro programa.</source>
        <translation>Un archivo que KV mantiene junto a CONTROLE.mdb mientras está abierto (CONTROLE.mdb-wal o CONTROLE.mdb-shm) fue borrado por otro programa.</translation>
    </message>
    <message>
        <source>O KV não conseguiu criá-lo de novo agora: outro programa está com o CONTROLE.mdb aberto. Para não perder nada, feche esse programa, saia do KV pelo menu Sair (ao sair, o KV grava tudo no CONTROLE.mdb) e abra o KV de novo.</source>
        <translation>KV no pudo crearlo de nuevo ahora: otro programa tiene CONTROLE.mdb abierto. Para no perder nada, cierre ese programa, salga de KV por el menú Dejar (al salir, KV graba todo en CONTROLE.mdb) y abra KV de nuevo.</translation>
    </message>
    <message>
        <source>O KV já gravou no CONTROLE.mdb tudo o que estava nele e o criou de novo: nada foi perdido, e você pode continuar trabalhando. Se foi um programa de limpeza ou de cópia, configure-o para não apagar esses arquivos.</source>
        <translation>KV ya grabó en CONTROLE.mdb todo lo que había en él y lo creó de nuevo: no se perdió nada y puede seguir trabajando. Si fue un programa de limpieza o de copia, configúrelo para que no borre esos archivos.</translation>
    </message>
    <message>
        <source>Arquivo de dados</source>
        <translation>Archivo de datos</translation>
    </message>
</context>
<context>
    <name>frmCases</name>
    <message>
        <source>E&amp;quipe…</source>
        <translation>E&amp;quipo…</translation>
    </message>
    <message>
        <source>Casos</source>
        <translation>Cases</translation>
    </message>
    <message>
        <source>Número</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Sintoma</source>
        <translation>Sintoma</translation>
    </message>
    <message>
        <source>Qtde</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Duplo click para escolher o case</source>
        <translation>Haga doble clic para seleccionar el case</translation>
    </message>
    <message>
        <source>Objetivo a alcançar ou Sintoma indesejado:</source>
        <translation>Meta para alcanzar o síntoma no deseado:</translation>
    </message>
    <message>
        <source>Quantidade de Fatores:</source>
        <translation>Número de factores:</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Volter</translation>
    </message>
    <message>
        <source>&amp;Limpar histórico anterior</source>
        <translation>Borrar historial anterior</translation>
    </message>
    <message>
        <source>&amp;Gravar</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Cadastramento de Casos  (Máximo  10)</source>
        <translation>Registro de Cases (Máximo 10)</translation>
    </message>
</context>
<context>
    <name>frmDados</name>
    <message>
        <source>Entrada de dados para análise</source>
        <translation>Registro dos Eventos</translation>
    </message>
    <message>
        <source>O fator: </source>
        <translation>El factor:</translation>
    </message>
    <message>
        <source>Contribui: </source>
        <translation>Contribuye:</translation>
    </message>
    <message>
        <source>Do que o fator: </source>
        <translation>Que el factor:</translation>
    </message>
    <message>
        <source>Para: </source>
        <translation>Para el:</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>&amp;Gravar</source>
        <translation>&amp;Registro</translation>
    </message>
    <message>
        <source>&amp;Analisar</source>
        <translation>&amp;Analizar</translation>
    </message>
    <message>
        <source>&amp;Resultado</source>
        <translation>&amp;Resultar</translation>
    </message>
    <message>
        <source>Comparação: </source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>Muito menos</source>
        <translation>Mucho menos</translation>
    </message>
    <message>
        <source>Menos</source>
        <translation>Menos</translation>
    </message>
    <message>
        <source>De forma igual</source>
        <translation>Igualmente</translation>
    </message>
    <message>
        <source>Mais</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>Muito Mais</source>
        <translation>Mucho más</translation>
    </message>
    <message>
        <source>Pontos da Coluna</source>
        <extracomment>Spanish shows these headings in Portuguese</extracomment>
        <translation>Pontos da Coluna</translation>
    </message>
    <message>
        <source>Normatização V 0-5</source>
        <translation>Normatização V 0-5</translation>
    </message>
    <message>
        <source>Pontos da Linha</source>
        <translation>Pontos da Linha</translation>
    </message>
    <message>
        <source>Normatização H 0-5</source>
        <translation>Normatização H 0-5</translation>
    </message>
    <message>
        <source>A tabela %1 do case %2 não tem a linha de fator %3; a análise precisa das linhas 1 a %4.</source>
        <translation>La tabla %1 del case %2 no tiene la fila de factor %3; el análisis necesita las filas 1 a %4.</translation>
    </message>
    <message>
        <source>O case %1 tem &quot;%2&quot; como quantidade de fatores; a análise aceita de 4 a 25. Corrija no cadastro de casos.</source>
        <translation>El case %1 tiene &quot;%2&quot; como número de factores; el análisis acepta de 4 a 25. Corríjalo en el registro de cases.</translation>
    </message>
    <message>
        <source>Dados do case inválidos</source>
        <translation>Datos del case no válidos</translation>
    </message>
    <message>
        <source>&amp;Mostrar contradições</source>
        <translation>&amp;Mostrar contradicciones</translation>
    </message>
    <message>
        <source>Contradições: %1</source>
        <translation>Contradicciones: %1</translation>
    </message>
    <message>
        <source>Matriz de comparações</source>
        <translation>Matriz de comparaciones</translation>
    </message>
    <message>
        <source>Analisar a matriz (Ctrl+Enter)</source>
        <translation>Analizar la matriz (Ctrl+Enter)</translation>
    </message>
    <message>
        <source>Abrir o resultado (Ctrl+Enter)</source>
        <translation>Abrir el resultado (Ctrl+Enter)</translation>
    </message>
</context>
<context>
    <name>frmEquipe</name>
    <message>
        <source>Julgamento em equipe</source>
        <translation>Juicio en equipo</translation>
    </message>
    <message>
        <source>Membros</source>
        <translation>Miembros</translation>
    </message>
    <message>
        <source>Membro</source>
        <translation>Miembro</translation>
    </message>
    <message>
        <source>Causa raiz</source>
        <translation>Causa raíz</translation>
    </message>
    <message>
        <source>Arquivo</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>&amp;Adicionar…</source>
        <translation>&amp;Agregar…</translation>
    </message>
    <message>
        <source>&amp;Remover</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Ranking da equipe</source>
        <translation>Ranking del equipo</translation>
    </message>
    <message>
        <source>Concordância</source>
        <translation>Concordancia</translation>
    </message>
    <message>
        <source>Pares a discutir</source>
        <translation>Pares a discutir</translation>
    </message>
    <message>
        <source>Impressora:</source>
        <translation>Impresora:</translation>
    </message>
    <message>
        <source>Impressora</source>
        <translation>Impresora</translation>
    </message>
    <message>
        <source>&amp;Gravar no case</source>
        <translation>&amp;Grabar en el case</translation>
    </message>
    <message>
        <source>E&amp;xportar…</source>
        <translation>E&amp;xportar…</translation>
    </message>
    <message>
        <source>&amp;Imprimir</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>fora da concordância: %1</source>
        <translation>fuera de la concordancia: %1</translation>
    </message>
    <message>
        <source>Fator</source>
        <translation>Factor</translation>
    </message>
    <message>
        <source>Equipe</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Dispersão</source>
        <translation>Dispersión</translation>
    </message>
    <message>
        <source>%1 de %2 pares têm dispersão de 2 ou mais e vêm primeiro, destacados.</source>
        <translation>%1 de %2 pares tienen dispersión de 2 o más y van primero, destacados.</translation>
    </message>
    <message>
        <source>Adicione de %1 a %2 membros: o arquivo do case que cada um exportou.</source>
        <translation>Agregue de %1 a %2 miembros: el archivo del case que cada uno exportó.</translation>
    </message>
    <message>
        <source>%1 fica fora da concordância: %2</source>
        <translation>%1 queda fuera de la concordancia: %2</translation>
    </message>
    <message>
        <source>Uma equipe tem no máximo %1 membros; com estes %2 arquivos seriam %3. Nenhum foi adicionado.</source>
        <translation>Un equipo tiene como máximo %1 miembros; con estos %2 archivos serían %3. No se agregó ninguno.</translation>
    </message>
    <message>
        <source>%1 não foi adicionado:</source>
        <translation>%1 no se agregó:</translation>
    </message>
    <message>
        <source>%1 não foi adicionado: os seus fatores não são os deste case (%2 no case, %3 no arquivo).</source>
        <translation>%1 no se agregó: sus factores no son los de este case (%2 en el case, %3 en el archivo).</translation>
    </message>
    <message>
        <source>Faltam no arquivo: %1</source>
        <translation>Faltan en el archivo: %1</translation>
    </message>
    <message>
        <source>Sobram no arquivo: %1</source>
        <translation>Sobran en el archivo: %1</translation>
    </message>
    <message>
        <source>Adicionar membros</source>
        <translation>Agregar miembros</translation>
    </message>
    <message>
        <source>Uma equipe tem de %1 a %2 membros; esta tem %3.</source>
        <translation>Un equipo tiene de %1 a %2 miembros; este tiene %3.</translation>
    </message>
    <message>
        <source>Gravar no case</source>
        <translation>Grabar en el case</translation>
    </message>
    <message>
        <source>O case %1 (%2) já tem julgamentos. Substituí-los pela matriz da equipe de %3 membros?</source>
        <translation>El case %1 (%2) ya tiene juicios. ¿Reemplazarlos por la matriz del equipo de %3 miembros?</translation>
    </message>
    <message>
        <source>A matriz da equipe foi gravada no case %1: %2 fatores, %3 pares julgados. Analise o case para ver o seu resultado.</source>
        <translation>La matriz del equipo se grabó en el case %1: %2 factores, %3 pares juzgados. Analice el case para ver su resultado.</translation>
    </message>
    <message>
        <source>Exportar julgamento da equipe</source>
        <translation>Exportar juicio del equipo</translation>
    </message>
    <message>
        <source>equipe</source>
        <translation>equipo</translation>
    </message>
    <message>
        <source>Salvar julgamento da equipe em PDF</source>
        <translation>Guardar juicio del equipo en PDF</translation>
    </message>
    <message>
        <source>O julgamento da equipe foi salvo em:</source>
        <translation>El juicio del equipo se guardó en:</translation>
    </message>
    <message>
        <source>Alça para redimensionar</source>
        <translation>Asa para cambiar el tamaño</translation>
    </message>
</context>
<context>
    <name>frmEventos</name>
    <message>
        <source>Fatores</source>
        <translation>Factores</translation>
    </message>
    <message>
        <source>São %1 nomes para colar a partir da linha %2, mas só cabem %3: o case tem %4 fatores. Nada foi colado.</source>
        <translation>Son %1 nombres para pegar desde la fila %2, pero solo caben %3: el case tiene %4 factores. No se pegó nada.</translation>
    </message>
    <message>
        <source>Nomes não colados</source>
        <translation>Nombres no pegados</translation>
    </message>
    <message>
        <source>Número</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Sintoma indesejado ou Objetivo a alcançar:</source>
        <translation>Meta para alcanzar o síntoma no deseado</translation>
    </message>
    <message>
        <source>Quantidade de Fatores:</source>
        <translation>Número de Factores</translation>
    </message>
    <message>
        <source>&amp;Salvar e Sair</source>
        <translation>Registro e Volver</translation>
    </message>
    <message>
        <source>Cadastro de Eventos</source>
        <translation>Registro dos Eventos</translation>
    </message>
</context>
<context>
    <name>frmInformacoes</name>
    <message>
        <source>Logotipo KV</source>
        <translation>Logotipo KV</translation>
    </message>
    <message>
        <source>Informações Gerais</source>
        <extracomment>Spanish shows this screen in English</extracomment>
        <translation>Information</translation>
    </message>
    <message>
        <source>Nome do Micro na Rede:</source>
        <translation>Computer name:</translation>
    </message>
    <message>
        <source>Resolução do Vídeo:</source>
        <translation>Video resolution:</translation>
    </message>
    <message>
        <source>Usuário Logado:</source>
        <translation>Logged in user:</translation>
    </message>
    <message>
        <source>Versão Banco de Dados:</source>
        <translation>Version Database:</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Return</translation>
    </message>
    <message>
        <source>Especificação do Computador: </source>
        <translation>Computer specification: </translation>
    </message>
    <message>
        <source>Idioma: </source>
        <translation>Language: </translation>
    </message>
</context>
<context>
    <name>frmMapa</name>
    <message>
        <source>Alça para redimensionar</source>
        <translation>Asa para cambiar el tamaño</translation>
    </message>
    <message>
        <source>Consistência e firmeza</source>
        <translation>Consistencia y firmeza</translation>
    </message>
</context>
<context>
    <name>frmResultado</name>
    <message>
        <source>Veredito</source>
        <translation>Veredicto</translation>
    </message>
    <message>
        <source>Logotipo KV</source>
        <translation>Logotipo KV</translation>
    </message>
    <message>
        <source>Fatores por E-Mach</source>
        <translation>Factores por E-Mach</translation>
    </message>
    <message>
        <source>Legenda das cores</source>
        <translation>Leyenda de colores</translation>
    </message>
    <message>
        <source>Ciano</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>Amarelo</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Verde</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Impressora:</source>
        <translation>Impresora:</translation>
    </message>
    <message>
        <source>&amp;Sair</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>&amp;Imprimir</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Resultado Emach</source>
        <translation>Resultado E-Mach</translation>
    </message>
    <message>
        <source>Objetivo a alcançar: </source>
        <translation>Meta para alcanzar o síntoma no deseado</translation>
    </message>
    <message>
        <source>Salvar relatório em PDF</source>
        <translation>Guardar informe en PDF</translation>
    </message>
    <message>
        <source>O relatório foi salvo em:</source>
        <translation>El informe se guardó en:</translation>
    </message>
    <message>
        <source>Relatório em PDF</source>
        <translation>Informe en PDF</translation>
    </message>
</context>
</TS>
