<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
<context>
    <name>ArquivoCaso</name>
    <message>
        <source>Arquivos CSV (*.csv);;Planilhas do Excel (*.xlsx);;Todos os arquivos (*)</source>
        <translation>CSV files (*.csv);;Excel workbooks (*.xlsx);;All files (*)</translation>
    </message>
    <message>
        <source>O arquivo não estava em UTF-8: foi lido como Windows-1252, a codificação antiga do Windows.</source>
        <translation>The file was not in UTF-8: it was read as Windows-1252, the old Windows encoding.</translation>
    </message>
    <message>
        <source>E&amp;xportar…</source>
        <translation>E&amp;xport…</translation>
    </message>
    <message>
        <source>&amp;Importar…</source>
        <translation>&amp;Import…</translation>
    </message>
    <message>
        <source>Exportar case</source>
        <translation>Export case</translation>
    </message>
    <message>
        <source>Importar case</source>
        <translation>Import case</translation>
    </message>
    <message>
        <source>Arquivos CSV (*.csv);;Todos os arquivos (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>O case %1 não tem fatores para exportar.</source>
        <translation>Case %1 has no factors to export.</translation>
    </message>
    <message>
        <source>O case %1 (%2) já tem %3 fatores.
Substituí-los pelos %4 fatores do arquivo?</source>
        <translation>Case %1 (%2) already holds %3 factors.
Replace them with the %4 factors of the file?</translation>
    </message>
    <message>
        <source>%1 fatores e %2 julgamentos importados para o case %3.</source>
        <translation>Imported %1 factors and %2 judgements into case %3.</translation>
    </message>
    <message>
        <source>O case não pôde ser gravado:
%1

Nada foi alterado.</source>
        <translation>The case could not be saved:
%1

Nothing was changed.</translation>
    </message>
</context>
<context>
    <name>CasoCsv</name>
    <message>
        <source>Isto não é um arquivo comum (é uma pasta, um dispositivo ou um canal): nada foi lido.</source>
        <translation>This is not a regular file (it is a folder, a device or a pipe): nothing was read.</translation>
    </message>
    <message>
        <source>%1 não é um caractere válido em %2: o arquivo está danificado</source>
        <translation>%1 is not a valid character in %2: the file is damaged</translation>
    </message>
    <message>
        <source> (ou 1/5</source>
        <translation> (or 1/5</translation>
    </message>
    <message>
        <source>O arquivo está vazio.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>O arquivo tem mais de 1 MB; um case cabe em muito menos.</source>
        <translation>The file is larger than 1 MB; a case fits in far less.</translation>
    </message>
    <message>
        <source>O arquivo não é um texto CSV.</source>
        <translation>The file is not a CSV text.</translation>
    </message>
    <message>
        <source>O arquivo não pôde ser lido: %1</source>
        <translation>The file could not be read: %1</translation>
    </message>
    <message>
        <source>aspas abertas e nunca fechadas</source>
        <translation>a quote is opened and never closed</translation>
    </message>
    <message>
        <source>texto depois das aspas de fechamento</source>
        <translation>text after a closing quote</translation>
    </message>
    <message>
        <source>a quantidade de fatores &quot;%1&quot; não é um número inteiro</source>
        <translation>the number of factors &quot;%1&quot; is not a whole number</translation>
    </message>
    <message>
        <source>a quantidade de fatores %1 não confere com os %2 fatores da matriz</source>
        <translation>the number of factors %1 does not match the %2 factors of the matrix</translation>
    </message>
    <message>
        <source>o texto tem %1 caracteres; o máximo é 80</source>
        <translation>the text has %1 characters; at most 80 are allowed</translation>
    </message>
    <message>
        <source>falta a matriz: uma linha com os nomes e uma linha por fator</source>
        <translation>no matrix: a row of names and one row per factor</translation>
    </message>
    <message>
        <source>a matriz tem %1 fatores; o mínimo é 4</source>
        <translation>the matrix has %1 factors; at least 4 are needed</translation>
    </message>
    <message>
        <source>a matriz tem %1 fatores; o máximo é 25</source>
        <translation>the matrix has %1 factors; at most 25 are allowed</translation>
    </message>
    <message>
        <source>falta o nome do fator</source>
        <translation>the factor&apos;s name is missing</translation>
    </message>
    <message>
        <source>o nome &quot;%1&quot; já aparece na linha %2</source>
        <translation>the name &quot;%1&quot; already appears on line %2</translation>
    </message>
    <message>
        <source>o nome &quot;%1&quot; do cabeçalho não é o da linha %2 (&quot;%3&quot;)</source>
        <translation>the heading &quot;%1&quot; differs from the name on line %2 (&quot;%3&quot;)</translation>
    </message>
    <message>
        <source>falta a linha do fator %1 (&quot;%2&quot;)</source>
        <translation>the row of factor %1 (&quot;%2&quot;) is missing</translation>
    </message>
    <message>
        <source>linha a mais: a matriz tem %1 fatores</source>
        <translation>one row too many: the matrix has %1 factors</translation>
    </message>
    <message>
        <source>valor fora da matriz</source>
        <translation>a value outside the matrix</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é um dos níveis %2</source>
        <translation>&quot;%1&quot; is not one of the levels %2</translation>
    </message>
    <message>
        <source>a diagonal (o fator contra ele mesmo) fica vazia</source>
        <translation>the diagonal (a factor against itself) stays empty</translation>
    </message>
    <message>
        <source>%1 não é o recíproco de %2 (linha %3, coluna %4)</source>
        <translation>%1 is not the reciprocal of %2 (line %3, column %4)</translation>
    </message>
    <message>
        <source>Nada foi alterado.</source>
        <translation>Nothing was changed.</translation>
    </message>
    <message>
        <source>Nada foi importado: o arquivo tem 1 problema.</source>
        <translation>Nothing was imported: the file has 1 problem.</translation>
    </message>
    <message>
        <source>Nada foi importado: o arquivo tem %1 problemas.</source>
        <translation>Nothing was imported: the file has %1 problems.</translation>
    </message>
    <message>
        <source>Linha %1, coluna %2: </source>
        <translation>Line %1, column %2: </translation>
    </message>
    <message>
        <source>… e mais %1.</source>
        <translation>… and %1 more.</translation>
    </message>
</context>
<context>
    <name>CasoXlsx</name>
    <message>
        <source>A planilha não pôde ser montada (%1).</source>
        <translation>The workbook could not be built (%1).</translation>
    </message>
</context>
<context>
    <name>Classes</name>
    <message>
        <source>Fatores Causais</source>
        <translation>Causal Factors</translation>
    </message>
    <message>
        <source>Causa Raíz ou principal FCS</source>
        <translation>Root Cause or principal FCS</translation>
    </message>
    <message>
        <source>Efeitos</source>
        <translation>Effects or Spurious Factors</translation>
    </message>
</context>
<context>
    <name>Emach</name>
    <message>
        <source>Valores incompletos!</source>
        <comment>linhas iguais</comment>
        <translation>Values incomplete</translation>
    </message>
    <message>
        <source>Preencher totalmente a planilha antes de analizar</source>
        <comment>linhas iguais</comment>
        <translation>Fully populate the spreadsheet before analyzing</translation>
    </message>
    <message>
        <source>Valores incompletos!</source>
        <comment>colunas iguais</comment>
        <translation>Values incomplete</translation>
    </message>
    <message>
        <source>Preencher totalmente a planilha antes de analizar</source>
        <comment>colunas iguais</comment>
        <translation>Fully populate the spreadsheet before analyzing</translation>
    </message>
    <message>
        <source>Valor fora da escala</source>
        <translation>Value off the scale</translation>
    </message>
    <message>
        <source>O julgamento de &quot;%1&quot; contra &quot;%2&quot; vale %3, fora da escala de 0,1 a 10. A análise não foi feita.</source>
        <translation>The judgement of &quot;%1&quot; against &quot;%2&quot; is %3, off the scale of 0.1 to 10. The analysis was not made.</translation>
    </message>
</context>
<context>
    <name>Equipe</name>
    <message>
        <source>Os membros concordam fortemente na ordem dos fatores.</source>
        <translation>The members agree strongly on the order of the factors.</translation>
    </message>
    <message>
        <source>Os membros concordam moderadamente na ordem dos fatores.</source>
        <translation>The members agree moderately on the order of the factors.</translation>
    </message>
    <message>
        <source>Os membros concordam pouco na ordem dos fatores.</source>
        <translation>The members agree little on the order of the factors.</translation>
    </message>
    <message>
        <source>A concordância pede ao menos dois membros cuja matriz possa ser analisada.</source>
        <translation>Agreement needs at least two members whose matrix can be analysed.</translation>
    </message>
    <message>
        <source>W de Kendall = %1; qui-quadrado = %2 com %3 graus de liberdade; p %4</source>
        <translation>Kendall&apos;s W = %1; chi-square = %2 with %3 degrees of freedom; p %4</translation>
    </message>
</context>
<context>
    <name>Escrita</name>
    <message>
        <source>O disco está cheio.</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>Não é permitido gravar nesta pasta (ela é somente para leitura ou de outro usuário).</source>
        <translation>Writing to this folder is not allowed (it is read-only or belongs to another user).</translation>
    </message>
    <message>
        <source>A pasta não existe.</source>
        <translation>The folder does not exist.</translation>
    </message>
    <message>
        <source>Já existe uma pasta com este nome.</source>
        <translation>A folder with this name already exists.</translation>
    </message>
    <message>
        <source>O nome do arquivo é longo demais.</source>
        <translation>The file name is too long.</translation>
    </message>
    <message>
        <source>O disco recusou a gravação.</source>
        <translation>The disk refused the write.</translation>
    </message>
    <message>
        <source>O sistema recusou a gravação (%1).</source>
        <translation>The system refused the write (%1).</translation>
    </message>
    <message>
        <source>Não foi possível gravar o arquivo
%1

%2

Nenhum arquivo foi criado ou alterado.</source>
        <translation>The file
%1
could not be written.

%2

No file was created or changed.</translation>
    </message>
</context>
<context>
    <name>Folha</name>
    <message>
        <source>Resultado Emach</source>
        <extracomment>The Spanish page prints the Portuguese texts</extracomment>
        <translation>Emach Result</translation>
    </message>
    <message>
        <source>Objetivo a alcançar ou Sintoma indesejado: </source>
        <translation>Goal to achieve or undesired symptom: </translation>
    </message>
    <message>
        <source>Fatores</source>
        <translation>Factors</translation>
    </message>
    <message>
        <source>Observação</source>
        <translation>Observation</translation>
    </message>
    <message>
        <source>Efeito</source>
        <translation>Efect</translation>
    </message>
    <message>
        <source>Fator causal</source>
        <translation>Causal factor</translation>
    </message>
    <message>
        <source>Causa Raíz ou principal FCS</source>
        <translation>Root cause or primary FCS</translation>
    </message>
</context>
<context>
    <name>Gravacao</name>
    <message>
        <source>O disco recusou a gravação.</source>
        <translation>The disk refused the write.</translation>
    </message>
    <message>
        <source>O arquivo de dados CONTROLE.mdb está ocupado por outro programa.</source>
        <translation>The data file CONTROLE.mdb is busy: another program is writing to it.</translation>
    </message>
    <message>
        <source>O disco está cheio.</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>O arquivo de dados CONTROLE.mdb está protegido contra gravação (somente leitura).</source>
        <translation>The data file CONTROLE.mdb is read-only.</translation>
    </message>
    <message>
        <source>O arquivo de dados CONTROLE.mdb foi movido, substituído ou apagado enquanto o KV estava aberto.</source>
        <translation>The data file CONTROLE.mdb was moved, replaced or deleted while KV was open.</translation>
    </message>
    <message>
        <source>Nada foi gravado no arquivo que está lá agora.</source>
        <translation>Nothing was written to the file that stands there now.</translation>
    </message>
    <message>
        <source>Nada foi gravado. O que está na tela continua aqui: resolva o problema e tente de novo.</source>
        <translation>Nothing was saved. What is on the screen stays here: fix the problem and try again.</translation>
    </message>
    <message>
        <source>Dados não gravados</source>
        <translation>Data not saved</translation>
    </message>
    <message>
        <source>Detalhe técnico: </source>
        <translation>Technical detail: </translation>
    </message>
</context>
<context>
    <name>Mapa</name>
    <message>
        <source>Mapa de influência</source>
        <translation>Influence map</translation>
    </message>
    <message>
        <source>&amp;Mapa</source>
        <translation>&amp;Map</translation>
    </message>
    <message>
        <source>&amp;Imprimir</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Exportar…</source>
        <translation>&amp;Export…</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Return</translation>
    </message>
    <message>
        <source>Impressora:</source>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>NormH: pontos da linha, normatizados 0-5</source>
        <translation>NormH: points to row, normalised 0-5</translation>
    </message>
    <message>
        <source>NormV: pontos da coluna, normatizados 0-5</source>
        <translation>NormV: points to column, normalised 0-5</translation>
    </message>
    <message>
        <source>Pontos da Linha</source>
        <translation>Points to Row</translation>
    </message>
    <message>
        <source>Pontos da Coluna</source>
        <translation>Points to Column</translation>
    </message>
    <message>
        <source>Exportar mapa</source>
        <translation>Export map</translation>
    </message>
    <message>
        <source>Mapa não exportado</source>
        <translation>Map not exported</translation>
    </message>
    <message>
        <source>Salvar mapa em PDF</source>
        <translation>Save map as PDF</translation>
    </message>
    <message>
        <source>O mapa foi salvo em:</source>
        <translation>The map was saved to:</translation>
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
        <translation>Information</translation>
    </message>
    <message>
        <source>Pergunta</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Aviso</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Botões</source>
        <translation>Buttons</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Menu principal</source>
        <translation>Main menu</translation>
    </message>
    <message>
        <source>Área principal</source>
        <translation>Main area</translation>
    </message>
    <message>
        <source>Barra de status</source>
        <translation>Status bar</translation>
    </message>
    <message>
        <source>Fileira de dominós caindo</source>
        <translation>A row of falling dominoes</translation>
    </message>
    <message>
        <source>&amp;Casos</source>
        <translation>Cases</translation>
    </message>
    <message>
        <source>&amp;Eventos</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>&amp;Análise</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>&amp;Informações</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>&amp;Sair</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Análise causal pelo método E-Mach. Projeto e programação: equipe KV.</source>
        <translation>Causal analysis by the E-Mach method. Design and programming: the KV team.</translation>
    </message>
    <message>
        <source>Software de análise causal KV - licenciado por Orvalis</source>
        <extracomment>Spanish shares the Portuguese wording</extracomment>
        <translation>KV causal analysis software - licensed by Orvalis</translation>
    </message>
    <message>
        <source>Versão: 22.12.15</source>
        <extracomment>Spanish shares the Portuguese wording</extracomment>
        <translation>Version: 22.12.15</translation>
    </message>
    <message>
        <source>Programa ativo pela segunda vez, será fechado!</source>
        <translation>Active program for the second time, will be closed!</translation>
    </message>
    <message>
        <source>Programa Paralizado!</source>
        <translation>Paralyzed Software!</translation>
    </message>
    <message>
        <source>Escolha o Case a ser analisado no menu Cases</source>
        <translation>Select the Case to be analyzed in the menu Cases</translation>
    </message>
    <message>
        <source>Case não informado!</source>
        <comment>análise</comment>
        <translation>Case not set</translation>
    </message>
    <message>
        <source>Case não informado!</source>
        <comment>eventos</comment>
        <translation>Case not set</translation>
    </message>
</context>
<context>
    <name>PaginaEquipe</name>
    <message>
        <source>Julgamento em equipe</source>
        <translation>Team judgement</translation>
    </message>
    <message>
        <source>Membros: %1</source>
        <translation>Members: %1</translation>
    </message>
    <message>
        <source>Fora da concordância: %1 (a matriz não pode ser analisada)</source>
        <translation>Left out of the agreement: %1 (the matrix cannot be analysed)</translation>
    </message>
    <message>
        <source>Pares a discutir</source>
        <translation>Pairs to discuss</translation>
    </message>
    <message>
        <source>Nenhum par com dispersão de 2 ou mais.</source>
        <translation>No pair with a spread of 2 or more.</translation>
    </message>
    <message>
        <source>%1 × %2: equipe %3, dispersão %4</source>
        <translation>%1 × %2: team %3, spread %4</translation>
    </message>
    <message>
        <source>… e mais %1 pares com dispersão de 2 ou mais.</source>
        <translation>… and %1 more pairs with a spread of 2 or more.</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>A impressora %1 não aceitou o documento. Nada foi impresso.</source>
        <translation>The printer %1 did not accept the document. Nothing was printed.</translation>
    </message>
    <message>
        <source>Impressão</source>
        <translation>Printing</translation>
    </message>
</context>
<context>
    <name>RelatorioCompleto</name>
    <message>
        <source>Causa Raíz ou principal FCS</source>
        <translation>Root cause or primary FCS</translation>
    </message>
    <message>
        <source>Efeito</source>
        <translation>Effect</translation>
    </message>
    <message>
        <source>Fator causal</source>
        <translation>Causal factor</translation>
    </message>
    <message>
        <source>Relatório completo</source>
        <translation>Full report</translation>
    </message>
    <message>
        <source>Objetivo a alcançar ou Sintoma indesejado: </source>
        <translation>Goal to achieve or undesired symptom: </translation>
    </message>
    <message>
        <source>Data: %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>Classe</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Nº</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Fator</source>
        <translation>Factor</translation>
    </message>
    <message>
        <source>Classificação dos fatores</source>
        <translation>Ranking of the factors</translation>
    </message>
    <message>
        <source>Matriz de comparação</source>
        <translation>Comparison matrix</translation>
    </message>
    <message>
        <source>Colunas: o número de cada fator, como nas linhas.</source>
        <translation>Columns: the number of each factor, as in the rows.</translation>
    </message>
    <message>
        <source>Relatório &amp;completo…</source>
        <translation>&amp;Full report…</translation>
    </message>
    <message>
        <source>Salvar relatório completo em PDF</source>
        <translation>Save full report as PDF</translation>
    </message>
    <message>
        <source>O relatório completo foi salvo em:</source>
        <translation>The full report was saved to:</translation>
    </message>
    <message>
        <source>Cada ponto leva o número do fator (Nº da classificação).</source>
        <translation>Each point carries the factor&apos;s number (No. in the ranking).</translation>
    </message>
    <message>
        <source>Julgamento em equipe</source>
        <translation>Team judgement</translation>
    </message>
    <message>
        <source>Membros: %1</source>
        <translation>Members: %1</translation>
    </message>
    <message>
        <source>Fora da concordância: %1 (a matriz não pode ser analisada)</source>
        <translation>Left out of the agreement: %1 (the matrix cannot be analysed)</translation>
    </message>
    <message>
        <source>Pares a discutir</source>
        <translation>Pairs to discuss</translation>
    </message>
    <message>
        <source>Nenhum par com dispersão de 2 ou mais.</source>
        <translation>No pair with a spread of 2 or more.</translation>
    </message>
    <message>
        <source>%1 × %2: equipe %3, dispersão %4</source>
        <translation>%1 × %2: team %3, spread %4</translation>
    </message>
</context>
<context>
    <name>Restauracao</name>
    <message>
        <source>Julgamentos não gravados</source>
        <translation>Judgements not saved</translation>
    </message>
    <message>
        <source>O arquivo de recuperação de julgamentos está danificado e não foi usado.</source>
        <translation>The recovery file of judgements is damaged and was not used.</translation>
    </message>
    <message>
        <source>O arquivo de recuperação de julgamentos é de outro arquivo de dados, ou de um case que mudou depois, e não foi usado.</source>
        <translation>The recovery file of judgements belongs to another data file, or to a case that changed since, and was not used.</translation>
    </message>
    <message>
        <source>Ele foi guardado como:
%1</source>
        <translation>It was kept as:
%1</translation>
    </message>
    <message>
        <source>O KV foi encerrado sem gravar os julgamentos do case %1 (%2), feitos até %3.

Restaurá-los agora?</source>
        <translation>KV ended without saving the judgements of case %1 (%2), made up to %3.

Restore them now?</translation>
    </message>
    <message>
        <source>&amp;Restaurar</source>
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <source>&amp;Descartar</source>
        <translation>&amp;Discard</translation>
    </message>
</context>
<context>
    <name>Teclado</name>
    <message>
        <source>Julgados: %1 de %2</source>
        <translation>Judged: %1 of %2</translation>
    </message>
</context>
<context>
    <name>Veredito</name>
    <message>
        <source>Julgamentos com algumas contradições: reveja os pares indicados.</source>
        <translation>Judgements with some contradictions: review the pairs shown.</translation>
    </message>
    <message>
        <source>Julgamentos contraditórios: a ordem dos fatores não é confiável.</source>
        <translation>Contradictory judgements: the order of the factors is not reliable.</translation>
    </message>
    <message>
        <source>Julgamentos coerentes.</source>
        <translation>Coherent judgements.</translation>
    </message>
    <message>
        <source>A ordem se apoia em poucos julgamentos com direção: %1 de %2 pares.</source>
        <translation>The order rests on few directed judgements: %1 of %2 pairs.</translation>
    </message>
    <message>
        <source>ζ = %1, não melhor do que julgar ao acaso (%2 em média).</source>
        <translation>ζ = %1, no better than judging at random (%2 on average).</translation>
    </message>
    <message>
        <source>ζ = %1; julgando ao acaso, seria %2 em média.</source>
        <translation>ζ = %1; judging at random, it would be %2 on average.</translation>
    </message>
    <message>
        <source>Causa raiz firme: nenhuma mudança de um só julgamento a tira de %1.</source>
        <translation>Firm root cause: no change of a single judgement moves it from %1.</translation>
    </message>
    <message>
        <source>Causa raiz sensível: %1 e %2 empatam no menor E-Mach; não há uma causa raiz única.</source>
        <translation>Sensitive root cause: %1 and %2 tie at the lowest E-Mach; there is no single root cause.</translation>
    </message>
    <message>
        <source>Causa raiz sensível: mudar o julgamento %1 × %2 de %3 para %4, um só passo, faz de %5 a causa raiz.</source>
        <translation>Sensitive root cause: changing the judgement %1 × %2 from %3 to %4, a single step, makes %5 the root cause.</translation>
    </message>
    <message>
        <source>Causa raiz sensível: mudar o julgamento %1 × %2 de %3 para %4, um só passo, deixa o menor E-Mach empatado.</source>
        <translation>Sensitive root cause: changing the judgement %1 × %2 from %3 to %4, a single step, leaves the lowest E-Mach tied.</translation>
    </message>
    <message>
        <source>Mudanças de um passo que a movem: %1.</source>
        <translation>One-step changes that move it: %1.</translation>
    </message>
    <message>
        <source>Causa raiz moderada: nenhuma mudança de um passo a move; a menor que a move é %1 × %2 de %3 para %4 (%5 passos), que faz de %6 a causa raiz.</source>
        <translation>Moderate root cause: no one-step change moves it; the smallest that does is %1 × %2 from %3 to %4 (%5 steps), which makes %6 the root cause.</translation>
    </message>
    <message>
        <source>Causa raiz moderada: nenhuma mudança de um passo a move; a menor que a move é %1 × %2 de %3 para %4 (%5 passos), que deixa o menor E-Mach empatado.</source>
        <translation>Moderate root cause: no one-step change moves it; the smallest that does is %1 × %2 from %3 to %4 (%5 steps), which leaves the lowest E-Mach tied.</translation>
    </message>
    <message>
        <source>Consistência dos julgamentos</source>
        <translation>Consistency of the judgements</translation>
    </message>
    <message>
        <source>Tríades circulares: d = %1 de %2 possíveis; ζ = %3</source>
        <translation>Circular triads: d = %1 of %2 possible; ζ = %3</translation>
    </message>
    <message>
        <source>Pares sem direção (1 ou vazios): %1 de %2</source>
        <translation>Pairs without direction (1 or empty): %1 of %2</translation>
    </message>
    <message>
        <source>Pares não recíprocos, fora da contagem: %1 (%2)</source>
        <translation>Pairs not reciprocal, left out of the count: %1 (%2)</translation>
    </message>
    <message>
        <source>Tríades a rever (as 10 primeiras de %1):</source>
        <translation>Triads to look at again (the first 10 of %1):</translation>
    </message>
    <message>
        <source>Tríades a rever:</source>
        <translation>Triads to look at again:</translation>
    </message>
    <message>
        <source>Firmeza da causa raiz</source>
        <translation>Firmness of the root cause</translation>
    </message>
    <message>
        <source>A causa raiz %1 se mantém em %2 de %3 mudanças de um julgamento (%4 %)</source>
        <translation>The root cause %1 holds under %2 of %3 single changes (%4 %)</translation>
    </message>
    <message>
        <source>Empate no menor E-Mach: não há uma única causa raiz</source>
        <translation>Tie at the lowest E-Mach: no single root cause</translation>
    </message>
    <message>
        <source>Diferença de E-Mach até o fator seguinte, %1: %2</source>
        <translation>E-Mach gap to the next factor, %1: %2</translation>
    </message>
    <message>
        <source>Nenhum julgamento sozinho muda a causa raiz.</source>
        <translation>No single judgement moves the root cause.</translation>
    </message>
    <message>
        <source>Julgamentos cuja mudança muda a causa raiz (10 de %1, primeiro os de um passo):</source>
        <translation>Judgements whose change moves the root cause (10 of %1, one-step changes first):</translation>
    </message>
    <message>
        <source>Julgamentos cuja mudança muda a causa raiz:</source>
        <translation>Judgements whose change moves the root cause:</translation>
    </message>
    <message>
        <source>sem causa raiz única</source>
        <translation>no single root cause</translation>
    </message>
    <message>
        <source>nova causa raiz %1</source>
        <translation>new root cause %1</translation>
    </message>
    <message>
        <source>%1 × %2: %3 → %4, %5 passo(s): %6</source>
        <translation>%1 × %2: %3 → %4, %5 step(s): %6</translation>
    </message>
</context>
<context>
    <name>Verificacao</name>
    <message>
        <source>Limitação do Sistema!</source>
        <translation>Limitation System!</translation>
    </message>
    <message>
        <source>Mínimo de 4 itens por análise.</source>
        <translation>Minimum of 4 items by analysis.</translation>
    </message>
    <message>
        <source>Limite do Sistema!</source>
        <comment>cases</comment>
        <translation>Limitation System!</translation>
    </message>
    <message>
        <source>Permitido o máximo de 25 itens por análise.</source>
        <translation>Permitted maximum of 25 items for analysis.</translation>
    </message>
    <message>
        <source>Limite do Sistema!</source>
        <comment>eventos</comment>
        <translation>Limit System!</translation>
    </message>
</context>
<context>
    <name>Vigia</name>
    <message>
        <source>Um arquivo que o KV mantém ao lado de CONTROLE.mdb enquanto está aberto (CONTROLE.mdb-wal ou CONTROLE.mdb-shm) foi apagado por outro programa.</source>
        <translation>A file that KV keeps beside CONTROLE.mdb while it is open (CONTROLE.mdb-wal or CONTROLE.mdb-shm) was deleted by another program.</translation>
    </message>
    <message>
        <source>O KV não conseguiu criá-lo de novo agora: outro programa está com o CONTROLE.mdb aberto. Para não perder nada, feche esse programa, saia do KV pelo menu Sair (ao sair, o KV grava tudo no CONTROLE.mdb) e abra o KV de novo.</source>
        <translation>KV could not make it again now: another program has CONTROLE.mdb open. To lose nothing, close that program, leave KV through the Quit menu (on leaving, KV writes everything into CONTROLE.mdb) and open KV again.</translation>
    </message>
    <message>
        <source>O KV já gravou no CONTROLE.mdb tudo o que estava nele e o criou de novo: nada foi perdido, e você pode continuar trabalhando. Se foi um programa de limpeza ou de cópia, configure-o para não apagar esses arquivos.</source>
        <translation>KV has already written into CONTROLE.mdb everything that file held and made it again: nothing was lost, and you can go on working. If it was a cleaning or copying program, set it not to delete these files.</translation>
    </message>
    <message>
        <source>Arquivo de dados</source>
        <translation>Data file</translation>
    </message>
</context>
<context>
    <name>frmCases</name>
    <message>
        <source>E&amp;quipe…</source>
        <translation>&amp;Team…</translation>
    </message>
    <message>
        <source>Casos</source>
        <translation>Cases</translation>
    </message>
    <message>
        <source>Número</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Sintoma</source>
        <translation>symptom</translation>
    </message>
    <message>
        <source>Qtde</source>
        <translation>Amont</translation>
    </message>
    <message>
        <source>Duplo click para escolher o case</source>
        <translation>Double click to choose the case</translation>
    </message>
    <message>
        <source>Objetivo a alcançar ou Sintoma indesejado:</source>
        <translation>Goal to achieve or undesired Symptom</translation>
    </message>
    <message>
        <source>Quantidade de Fatores:</source>
        <translation>Number of Factors</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>&amp;Limpar histórico anterior</source>
        <translation>Clear previous history</translation>
    </message>
    <message>
        <source>&amp;Gravar</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Cadastramento de Casos  (Máximo  10)</source>
        <translation>Registration of Cases (Maximum 10)</translation>
    </message>
</context>
<context>
    <name>frmDados</name>
    <message>
        <source>Entrada de dados para análise</source>
        <translation>Registration of events</translation>
    </message>
    <message>
        <source>O fator: </source>
        <translation>The factor:</translation>
    </message>
    <message>
        <source>Contribui: </source>
        <translation>Contributes</translation>
    </message>
    <message>
        <source>Do que o fator: </source>
        <translation>Than the factor:</translation>
    </message>
    <message>
        <source>Para: </source>
        <translation>for the:</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Return</translation>
    </message>
    <message>
        <source>&amp;Gravar</source>
        <translation>&amp;Write</translation>
    </message>
    <message>
        <source>&amp;Analisar</source>
        <translation>&amp;Analyze</translation>
    </message>
    <message>
        <source>&amp;Resultado</source>
        <translation>&amp;Result</translation>
    </message>
    <message>
        <source>Comparação: </source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>Muito menos</source>
        <translation>Much less</translation>
    </message>
    <message>
        <source>Menos</source>
        <translation>Less</translation>
    </message>
    <message>
        <source>De forma igual</source>
        <translation>The same</translation>
    </message>
    <message>
        <source>Mais</source>
        <translation>Much</translation>
    </message>
    <message>
        <source>Muito Mais</source>
        <translation>Much more</translation>
    </message>
    <message>
        <source>Pontos da Coluna</source>
        <extracomment>Spanish shows these headings in Portuguese</extracomment>
        <translation>Points to Column</translation>
    </message>
    <message>
        <source>Normatização V 0-5</source>
        <translation>Normatization V 0-5</translation>
    </message>
    <message>
        <source>Pontos da Linha</source>
        <translation>Points to Row</translation>
    </message>
    <message>
        <source>Normatização H 0-5</source>
        <translation>Normatization H 0-5</translation>
    </message>
    <message>
        <source>A tabela %1 do case %2 não tem a linha de fator %3; a análise precisa das linhas 1 a %4.</source>
        <translation>Table %1 of case %2 has no factor row %3; the analysis needs rows 1 to %4.</translation>
    </message>
    <message>
        <source>O case %1 tem &quot;%2&quot; como quantidade de fatores; a análise aceita de 4 a 25. Corrija no cadastro de casos.</source>
        <translation>Case %1 has &quot;%2&quot; as its number of factors; the analysis takes 4 to 25. Correct it in the case register.</translation>
    </message>
    <message>
        <source>Dados do case inválidos</source>
        <translation>Case data not valid</translation>
    </message>
    <message>
        <source>&amp;Mostrar contradições</source>
        <translation>&amp;Show contradictions</translation>
    </message>
    <message>
        <source>Contradições: %1</source>
        <translation>Contradictions: %1</translation>
    </message>
    <message>
        <source>Matriz de comparações</source>
        <translation>Comparison matrix</translation>
    </message>
    <message>
        <source>Analisar a matriz (Ctrl+Enter)</source>
        <translation>Analyse the matrix (Ctrl+Enter)</translation>
    </message>
    <message>
        <source>Abrir o resultado (Ctrl+Enter)</source>
        <translation>Open the result (Ctrl+Enter)</translation>
    </message>
</context>
<context>
    <name>frmEquipe</name>
    <message>
        <source>Julgamento em equipe</source>
        <translation>Team judgement</translation>
    </message>
    <message>
        <source>Membros</source>
        <translation>Members</translation>
    </message>
    <message>
        <source>Membro</source>
        <translation>Member</translation>
    </message>
    <message>
        <source>Causa raiz</source>
        <translation>Root cause</translation>
    </message>
    <message>
        <source>Arquivo</source>
        <translation>File</translation>
    </message>
    <message>
        <source>&amp;Adicionar…</source>
        <translation>&amp;Add…</translation>
    </message>
    <message>
        <source>&amp;Remover</source>
        <translation>Re&amp;move</translation>
    </message>
    <message>
        <source>Ranking da equipe</source>
        <translation>Team ranking</translation>
    </message>
    <message>
        <source>Concordância</source>
        <translation>Agreement</translation>
    </message>
    <message>
        <source>Pares a discutir</source>
        <translation>Pairs to discuss</translation>
    </message>
    <message>
        <source>Impressora:</source>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>Impressora</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>&amp;Gravar no case</source>
        <translation>&amp;Save to case</translation>
    </message>
    <message>
        <source>E&amp;xportar…</source>
        <translation>E&amp;xport…</translation>
    </message>
    <message>
        <source>&amp;Imprimir</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Return</translation>
    </message>
    <message>
        <source>fora da concordância: %1</source>
        <translation>left out of the agreement: %1</translation>
    </message>
    <message>
        <source>Fator</source>
        <translation>Factor</translation>
    </message>
    <message>
        <source>Equipe</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Dispersão</source>
        <translation>Spread</translation>
    </message>
    <message>
        <source>%1 de %2 pares têm dispersão de 2 ou mais e vêm primeiro, destacados.</source>
        <translation>%1 of %2 pairs have a spread of 2 or more and come first, marked.</translation>
    </message>
    <message>
        <source>Adicione de %1 a %2 membros: o arquivo do case que cada um exportou.</source>
        <translation>Add %1 to %2 members: the case file each of them exported.</translation>
    </message>
    <message>
        <source>%1 fica fora da concordância: %2</source>
        <translation>%1 is left out of the agreement: %2</translation>
    </message>
    <message>
        <source>Uma equipe tem no máximo %1 membros; com estes %2 arquivos seriam %3. Nenhum foi adicionado.</source>
        <translation>A team has at most %1 members; with these %2 files it would have %3. None was added.</translation>
    </message>
    <message>
        <source>%1 não foi adicionado:</source>
        <translation>%1 was not added:</translation>
    </message>
    <message>
        <source>%1 não foi adicionado: os seus fatores não são os deste case (%2 no case, %3 no arquivo).</source>
        <translation>%1 was not added: its factors are not this case&apos;s (%2 in the case, %3 in the file).</translation>
    </message>
    <message>
        <source>Faltam no arquivo: %1</source>
        <translation>Missing from the file: %1</translation>
    </message>
    <message>
        <source>Sobram no arquivo: %1</source>
        <translation>Extra in the file: %1</translation>
    </message>
    <message>
        <source>Adicionar membros</source>
        <translation>Add members</translation>
    </message>
    <message>
        <source>Uma equipe tem de %1 a %2 membros; esta tem %3.</source>
        <translation>A team has %1 to %2 members; this one has %3.</translation>
    </message>
    <message>
        <source>Gravar no case</source>
        <translation>Save to case</translation>
    </message>
    <message>
        <source>O case %1 (%2) já tem julgamentos. Substituí-los pela matriz da equipe de %3 membros?</source>
        <translation>Case %1 (%2) already holds judgements. Replace them with the matrix of the team of %3 members?</translation>
    </message>
    <message>
        <source>A matriz da equipe foi gravada no case %1: %2 fatores, %3 pares julgados. Analise o case para ver o seu resultado.</source>
        <translation>The team matrix was saved to case %1: %2 factors, %3 pairs judged. Analyse the case to see its result.</translation>
    </message>
    <message>
        <source>Exportar julgamento da equipe</source>
        <translation>Export team judgement</translation>
    </message>
    <message>
        <source>equipe</source>
        <translation>team</translation>
    </message>
    <message>
        <source>Salvar julgamento da equipe em PDF</source>
        <translation>Save team judgement as PDF</translation>
    </message>
    <message>
        <source>O julgamento da equipe foi salvo em:</source>
        <translation>The team judgement was saved to:</translation>
    </message>
    <message>
        <source>Alça para redimensionar</source>
        <translation>Resize handle</translation>
    </message>
</context>
<context>
    <name>frmEventos</name>
    <message>
        <source>Fatores</source>
        <translation>Factors</translation>
    </message>
    <message>
        <source>São %1 nomes para colar a partir da linha %2, mas só cabem %3: o case tem %4 fatores. Nada foi colado.</source>
        <translation>There are %1 names to paste from row %2, but only %3 fit: the case has %4 factors. Nothing was pasted.</translation>
    </message>
    <message>
        <source>Nomes não colados</source>
        <translation>Names not pasted</translation>
    </message>
    <message>
        <source>Número</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Sintoma indesejado ou Objetivo a alcançar:</source>
        <translation>Goal to achieve or undesired symptom</translation>
    </message>
    <message>
        <source>Quantidade de Fatores:</source>
        <translation>Number of Factors</translation>
    </message>
    <message>
        <source>&amp;Salvar e Sair</source>
        <translation>Write and Return</translation>
    </message>
    <message>
        <source>Cadastro de Eventos</source>
        <translation>Registration of events</translation>
    </message>
</context>
<context>
    <name>frmInformacoes</name>
    <message>
        <source>Logotipo KV</source>
        <translation>KV logo</translation>
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
        <translation>Resize handle</translation>
    </message>
    <message>
        <source>Consistência e firmeza</source>
        <translation>Consistency and firmness</translation>
    </message>
</context>
<context>
    <name>frmResultado</name>
    <message>
        <source>Veredito</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Logotipo KV</source>
        <translation>KV logo</translation>
    </message>
    <message>
        <source>Fatores por E-Mach</source>
        <translation>Factors by E-Mach</translation>
    </message>
    <message>
        <source>Legenda das cores</source>
        <translation>Colour legend</translation>
    </message>
    <message>
        <source>Ciano</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Amarelo</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Verde</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Impressora:</source>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>&amp;Sair</source>
        <translation>&amp;Return</translation>
    </message>
    <message>
        <source>&amp;Imprimir</source>
        <translation>To Print</translation>
    </message>
    <message>
        <source>Resultado Emach</source>
        <translation>EMach Results</translation>
    </message>
    <message>
        <source>Objetivo a alcançar: </source>
        <translation>Goal to achieve or undesired symptom</translation>
    </message>
    <message>
        <source>Salvar relatório em PDF</source>
        <translation>Save report as PDF</translation>
    </message>
    <message>
        <source>O relatório foi salvo em:</source>
        <translation>The report was saved to:</translation>
    </message>
    <message>
        <source>Relatório em PDF</source>
        <translation>PDF report</translation>
    </message>
</context>
</TS>
